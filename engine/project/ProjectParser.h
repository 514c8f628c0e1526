// ProjectParser.h: fills a project record from a ".kvs" document as the XML stream reads it.
//
// Classes: ProjectParser.
#pragma once

#include "model/ProtocolRecords.h"
#include "xml/XmlStream.h"

#include <afx.h>

#include <cstddef>

struct ElementPlace;

// Streams straight into the record, with no tree in between, so a large
// project is read about as fast as the XML itself. The first refusal of the
// content leaves its reason in Detail().
class ProjectParser : public CXmlStream::Handler
{
public:
    // With a folder the project's name must also keep its derived paths there within the path limit.
    explicit ProjectParser(ProjectRecord* project, const char* folder = nullptr) : m_project(project), m_folder(folder)
    {
    }

    void OnStart(CXmlStream& stream, const char* name, const char** attributes) override;
    void OnEnd(CXmlStream& stream) override;
    void OnText(CXmlStream& stream, const char* text, int length) override;

    bool IsRefused() const { return !m_detail.IsEmpty(); }
    const CString& Detail() const { return m_detail; }

private:
    enum Element
    {
        kDocument,
        kSolution,
        kProject,
        kHead,
        kBody,
        kPacket,
        kField
    };

    bool EnterChildOf(Element parent, const char* name, const char** attributes);
    bool EnterField(const char* name, const ElementPlace& place, FieldRecordArray& list, const char** attributes);
    bool ReadField(FieldRecordArray& list, const ElementPlace& where, const char** attributes);
    bool ReadPacket(const char** attributes);
    bool Refuse(const CString& detail);
    bool RefuseElement(const ElementPlace& place, const char* name);
    void Locate(const CXmlStream& stream);
    ElementPlace Place() const;

    static const int kLevels = 6;             // document to field
    static const INT_PTR kFirstPackets = 16;  // room made at the first packet; it doubles after

    ProjectRecord* m_project;
    const char* m_folder;  // the project file's folder; nullptr for text of no file
    CString m_detail;
    Element m_open[kLevels] = {kDocument};
    int m_depth = 0;  // elements open
    int m_projects = 0;
    bool m_head = false;
    bool m_body = false;
    INT_PTR m_fieldGuess = 4;  // the last packet's field count, the next one's likely size
};
