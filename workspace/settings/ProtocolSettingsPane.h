// ProtocolSettingsPane.h: the "Properties" pane: four property grids that show and edit
// the selected project, packet or field, writing every accepted change into its record.
//
// Classes: CProtocolSettingsPane.
#pragma once
#include "afxwin.h"

#include "KTPropertyGrid.h"
#include "KTPropertyGridItem.h"
#include "KTPropertyGridItems.h"
#include "KTToolBar.h"
#include "SettingsTarget.h"

class CProtocolSettingsPane : public CWnd
{
public:
    enum EPage
    {
        kProjectPage,
        kPacketPage,
        kFieldPage,
        kBlankPage,
        kPageCount
    };

    void SetSelection(ISettingsSelection* pSelection) { m_pSelection = pSelection; }
    // The page, made if it was not yet.
    CKTPropertyGrid& Page(EPage page);
    CKTToolBar& ToolBar() { return m_wndToolBar; }
    // Shows one page and hides the others.
    void ShowPage(EPage page);
    // Each shows its page with the record's values and the items' read-only states.
    void LoadProject(const ProjectRecord& project);
    void LoadPacket(const PacketRecord& packet);
    void LoadField(const FieldRecord& field, const FieldRecordArray& list);
    // The field page's enable states and derived values for the field's unit and data type.
    void UpdateFieldItemStates(FieldRecord& field);
    // Writes what an open in-place edit holds into its record, as moving the focus away would.
    void CommitEdit();

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnGridNotify(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateToolBar();
    BOOL MakePage(EPage page);
    BOOL CreatePage(EPage page);
    CRect PageRect() const;
    CKTPropertyGridItem* FieldItem(LPCSTR pszCaption);
    void FillEarlierFields(CKTPropertyGridItem* pItem, const FieldRecord& field, const FieldRecordArray& list);
    void WriteBack(CKTPropertyGridItem* pItem);
    void WriteProjectItem(CKTPropertyGridItem* pItem, ProjectRecord& project);
    void WritePacketItem(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WriteFieldItem(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WriteFieldChoice(CKTPropertyGridItem* pItem, FieldRecord& field);
    void WriteFieldText(CKTPropertyGridItem* pItem, FieldRecord& field);
    void WritePacketName(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WritePacketType(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WriteFieldName(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WriteFieldTag(CKTPropertyGridItem* pItem, const SettingsTarget& target);
    void WriteMaxLength(CKTPropertyGridItem* pItem, FieldRecord& field);
    // Restores the item, and the page's states for pField when given; then shows pszText, when given, in a box.
    void Refuse(CKTPropertyGridItem* pItem, LPCSTR pszText, LPCSTR pszStored, FieldRecord* pField = nullptr);
    void TellRefused(LPCSTR pszText);
    void UpdateDataTypeList(CKTPropertyGridItem* pDataType, int nUnit);
    void UpdateByteOrTlvItems(FieldRecord& field);
    void UpdateBitItems(FieldRecord& field);

    CKTPropertyGrid m_pages[kPageCount];
    CKTToolBar m_wndToolBar;
    ISettingsSelection* m_pSelection = nullptr;
};
