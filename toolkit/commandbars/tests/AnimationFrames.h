// Screen pictures of a rectangle, read on another thread while this one plays an animation.
#pragma once

#include "KTPaintManager.h"
#include "PixelImage.h"

#include <atomic>
#include <thread>
#include <vector>

class CAnimationFrames
{
public:
    // Slows the paint manager's animations so that the reader sees several steps.
    CAnimationFrames(CKTPaintManager* pPaintManager, const CRect& rc)
        : m_pPaintManager(pPaintManager), m_nTime(pPaintManager->m_nAnimationTime)
    {
        pPaintManager->m_nAnimationTime = 600;
        m_reader = std::thread(
            [this, rc]
            {
                while (!m_bStop)
                    m_frames.push_back(CPixelImage::FromScreen(rc));
            });
    }
    ~CAnimationFrames() { Stop(); }
    CAnimationFrames(const CAnimationFrames&) = delete;
    CAnimationFrames& operator=(const CAnimationFrames&) = delete;

    // Ends the reading and gives the animation time back: the frames read until then.
    const std::vector<CPixelImage>& Stop()
    {
        if (m_reader.joinable())
        {
            m_bStop = true;
            m_reader.join();
            m_pPaintManager->m_nAnimationTime = m_nTime;
        }
        return m_frames;
    }

private:
    CKTPaintManager* m_pPaintManager;
    const int m_nTime;
    std::atomic<bool> m_bStop{false};
    std::vector<CPixelImage> m_frames;  // written by the reader alone until Stop joins it
    std::thread m_reader;
};
