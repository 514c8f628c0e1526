// AddPacket.cpp: the Add Packet dialog: a well-formed name and type that no packet has yet.
#include "AddPacket.h"

#include "DialogHelpers.h"
#include "KestovaDialogsRes.h"
#include "model/FixedText.h"
#include "model/Vocabulary.h"

IMPLEMENT_DYNAMIC(CAddPacket, CDialog)

CAddPacket::CAddPacket(CWnd* pParent, const PacketRecordArray& packets)
    : CDialog(IDD_ADD_PACKET, pParent), m_packets(packets)
{
}

void CAddPacket::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDIT_NAME, m_editName);
    DDX_Control(pDX, IDC_EDIT_PACKET_TYPE, m_editType);
}

BOOL CAddPacket::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_editType.SetEditMask("0xHHHHHHHH", "0x________", "0x00000000");
    m_editName.SetEditMask("LAAAAAAAAAAAAAAAAAAAAAAAA", "_________________________");
    return TRUE;
}

BOOL CAddPacket::ReadEntries()
{
    CString strName, strType;
    m_editName.GetWindowText(strName);
    m_editType.GetWindowText(strType);
    if (!ReadMaskedValue(strName, 0, m_strName))
    {
        ShowRefusal(this, "invalid packet name, please reenter again!");
        return FALSE;
    }
    std::uint32_t nCode = 0;
    if (!ReadMaskedValue(strType, 2, m_strType) || !ParseHexCode(m_strType, &nCode))
    {
        ShowRefusal(this, "invalid packet type, please reenter again!");
        return FALSE;
    }
    return TRUE;
}

BOOL CAddPacket::CheckUnique()
{
    for (INT_PTR i = 0; i < m_packets.GetSize(); i++)
    {
        if (SameNameIgnoringCase(m_strName, m_packets[i].name))
        {
            ShowRefusal(this, m_strName + " packet already exist, please reenter again!");
            return FALSE;
        }
    }
    for (INT_PTR i = 0; i < m_packets.GetSize(); i++)
    {
        if (SameHexCode(m_strType, m_packets[i].packetType))
        {
            ShowRefusal(this, "packet type " + m_strType + " already exist, please reenter again!");
            return FALSE;
        }
    }
    return TRUE;
}

void CAddPacket::OnOK()
{
    if (ReadEntries() && CheckUnique())
        CDialog::OnOK();
}

PacketRecord CAddPacket::MakeRecord() const
{
    PacketRecord record;
    CopyFixedText(record.name, m_strName);
    CopyFixedText(record.packetType, m_strType);
    record.hasBody = 0;
    return record;
}
