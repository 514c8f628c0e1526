// AddPacket.h: the modal dialog that takes a new packet's name and packet type.
//
// Classes: CAddPacket.
#pragma once
#include "afxwin.h"

#include "KBMaskEdit.h"
#include "model/ProtocolRecords.h"

class CAddPacket : public CDialog
{
    DECLARE_DYNAMIC(CAddPacket)
public:
    // packets are the project's, which the new one must not repeat.
    CAddPacket(CWnd* pParent, const PacketRecordArray& packets);

    // A packet with the entered name and type and no fields.
    PacketRecord MakeRecord() const;

    CString m_strName;
    CString m_strType;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

private:
    BOOL ReadEntries();
    BOOL CheckUnique();

    CKBMaskEdit m_editName;
    CKBMaskEdit m_editType;
    const PacketRecordArray& m_packets;
};
