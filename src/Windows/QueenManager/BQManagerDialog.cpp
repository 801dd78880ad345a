#include "BQManagerDialog.h"

#include "DeleteQuestion.h"
#include "DialogTemplates.h"
#include "DialogWndFactory.h"
#include "GLWin.h"
#include "JournalCodes.h"
#include "JournalHandlers.h"
#include "MessageBox.h"
#include "PointFamilyCache.h"
#include "QueenBeeCache.h"
#include "StringIds.h"
#include "Text.h"
#include "Tr.h"

#include <utility>

namespace {
// The pane codes of the factory.
constexpr int kDetailsPane = 0;
constexpr int kGenealogyPane = 1;

constexpr std::pair<UINT, std::int32_t> kCaptions[] = {
    { CBQManagerDialog::IdMove, StringId::MoveQueenToFamily },
    { CBQManagerDialog::IdMother, StringId::ChangeQueenMother },
    { CBQManagerDialog::IdSaveGenealogy, StringId::ButtonSave },
    { CBQManagerDialog::IdCancelGenealogy, StringId::ButtonCancel },
    { CBQManagerDialog::IdAdd, StringId::ButtonAdd },
    { CBQManagerDialog::IdChange, StringId::ButtonChange },
    { CBQManagerDialog::IdDelete, StringId::ButtonDelete },
    { CBQManagerDialog::IdSave, StringId::ButtonSave },
    { CBQManagerDialog::IdCancel, StringId::ButtonCancel },
    { CBQManagerDialog::IdClose, StringId::ButtonClose },
};
}

CBQManagerDialog::CBQManagerDialog(std::int32_t kind, std::int32_t id, CWnd* parent)
    : CDialog(IDD_BQ_MANAGER, parent)
    , m_kind(kind)
    , m_id(id)
{
}

CBQManagerDialog::~CBQManagerDialog() = default;

CTreeCtrl* CBQManagerDialog::Tree() const
{
    return static_cast<CTreeCtrl*>(GetDlgItem(IdTree));
}

BOOL CBQManagerDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText(Tr(StringId::QueenManagerTitle));
    for (const auto& [id, text] : kCaptions)
        GetDlgItem(static_cast<int>(id))->SetWindowText(Tr(text));
    SetMode(Show);
    FillTree();
    HTREEITEM first = m_kind == QueenTreeItem::None ? Tree()->GetFirstVisibleItem() : FindItem(m_kind, m_id);
    Tree()->SelectItem(first);
    ShowSelection();
    return TRUE;
}

HTREEITEM CBQManagerDialog::AddItem(const std::u16string& text, HTREEITEM parent, std::int32_t id, std::int32_t kind)
{
    HTREEITEM item = Tree()->InsertItem(text, parent, TVI_SORT);
    Tree()->SetItemData(item, QueenTreeData(id, kind));
    m_itemIds[item] = id;
    if (kind == QueenTreeItem::Queen)
        m_queenItems.emplace(id, item);
    return item;
}

void CBQManagerDialog::FillTree()
{
    CTreeCtrl* tree = Tree();
    tree->DeleteAllItems();
    m_itemIds.clear();
    m_queenItems.clear();
    const CPointFamilyCache* sites = GetPointFamilyCache();
    const CQueenBeeCache* queens = GetQueenBeeCache();
    for (const auto& [idPoint, point] : sites->Points()) {
        HTREEITEM pointItem = AddItem(point.name, TVI_ROOT, idPoint, QueenTreeItem::Point);
        for (std::int32_t idFamily : sites->FamiliesOf(idPoint)) {
            const CPointFamilyCache::Family* family = sites->FindFamily(idFamily);
            if (!family)
                continue;
            HTREEITEM familyItem = AddItem(family->name, pointItem, idFamily, QueenTreeItem::Family);
            for (const auto& [idQueenBee, queen] : queens->QueensOf(idFamily))
                AddItem(queen.name, familyItem, idQueenBee, QueenTreeItem::Queen);
        }
    }
    HTREEITEM all = tree->InsertItem(Tr(StringId::QueenTreeAllQueens), TVI_ROOT, TVI_LAST);
    tree->SetItemData(all, QueenTreeData(0, QueenTreeItem::None));
    for (const auto& [idQueenBee, queen] : queens->QueenBees())
        AddItem(queen.name, all, idQueenBee, QueenTreeItem::Queen);
}

HTREEITEM CBQManagerDialog::FindItem(std::int32_t kind, std::int32_t id) const
{
    // A queen's first entry is the one under her colony.
    if (kind == QueenTreeItem::Queen) {
        const auto found = m_queenItems.find(id);
        return found != m_queenItems.end() ? found->second : nullptr;
    }
    for (const auto& [item, itemId] : m_itemIds) {
        if (itemId == id && static_cast<std::int32_t>(Tree()->GetItemData(item) & 0xFFFF) == kind)
            return item;
    }
    return nullptr;
}

QueenTreeItem CBQManagerDialog::Selection() const
{
    HTREEITEM item = Tree()->GetSelectedItem();
    if (!item)
        return {};
    const auto found = m_itemIds.find(item);
    return QueenTreeItem { Tree()->GetItemData(item), found != m_itemIds.end() ? found->second : 0 };
}

bool CBQManagerDialog::SelectQueen(std::int32_t idQueenBee)
{
    HTREEITEM item = FindItem(QueenTreeItem::Queen, idQueenBee);
    return item && Tree()->SelectItem(item);
}

void CBQManagerDialog::SetMode(Mode mode)
{
    const QueenTreeItem selection = Selection();
    const std::int32_t idQueenBee = selection.GetKind() == QueenTreeItem::Queen ? selection.id : 0;
    const bool editsDetails = mode == AddQueen || mode == ChangeQueen;
    const bool editsGenealogy = mode == MoveToFamily || mode == ChangeMother;
    if (mode == Show || editsGenealogy) {
        m_left.reset();
        m_left = CreateDialogWnd(editsGenealogy ? mode : kGenealogyPane, this);
    }
    if (mode == Show || editsDetails) {
        m_right.reset();
        m_right = CreateDialogWnd(editsDetails ? mode : kDetailsPane, this);
    }
    m_mode = mode;
    for (UINT id : { IdSearch, IdTree })
        GetDlgItem(static_cast<int>(id))->ShowWindow(editsDetails ? SW_HIDE : SW_SHOW);
    for (UINT id : { IdMove, IdMother })
        GetDlgItem(static_cast<int>(id))->ShowWindow(mode == Show ? SW_SHOW : SW_HIDE);
    for (UINT id : { IdSaveGenealogy, IdCancelGenealogy })
        GetDlgItem(static_cast<int>(id))->ShowWindow(editsGenealogy ? SW_SHOW : SW_HIDE);
    for (UINT id : { IdAdd, IdChange, IdDelete }) {
        GetDlgItem(static_cast<int>(id))->ShowWindow(editsDetails ? SW_HIDE : SW_SHOW);
        GetDlgItem(static_cast<int>(id))->EnableWindow(!editsGenealogy);
    }
    for (UINT id : { IdSave, IdCancel })
        GetDlgItem(static_cast<int>(id))->ShowWindow(editsDetails ? SW_SHOW : SW_HIDE);
    if (editsGenealogy) {
        m_left->SetQueen(idQueenBee);
        m_left->SetSelection(selection);
    } else if (mode == AddQueen) {
        m_right->SetSelection(selection);
    } else if (mode == ChangeQueen) {
        m_right->SetQueen(idQueenBee);
    }
}

void CBQManagerDialog::ShowSelection()
{
    const QueenTreeItem selection = Selection();
    if (m_mode == MoveToFamily || m_mode == ChangeMother) {
        m_left->SetSelection(selection);
        return;
    }
    if (m_mode != Show)
        return;
    const bool queen = selection.GetKind() == QueenTreeItem::Queen;
    m_left->SetQueen(queen ? selection.id : 0);
    m_right->SetQueen(queen ? selection.id : 0);
    for (UINT id : { IdChange, IdDelete, IdMove, IdMother })
        GetDlgItem(static_cast<int>(id))->EnableWindow(queen);
}

void CBQManagerDialog::FindByName()
{
    const std::u16string text = GetDlgItem(IdSearch)->GetWindowText();
    if (text.empty())
        return;
    for (const auto& [idQueenBee, queen] : GetQueenBeeCache()->QueenBees()) {
        if (queen.name.size() >= text.size() && EqualsNoCase(std::u16string_view(queen.name).substr(0, text.size()), text)) {
            SelectQueen(idQueenBee);
            return;
        }
    }
}

void CBQManagerDialog::DeleteQueen()
{
    const QueenTreeItem selection = Selection();
    const CQueenBeeCache::QueenBee* queen = GetQueenBeeCache()->FindQueenBee(selection.id);
    if (selection.GetKind() != QueenTreeItem::Queen || !queen)
        return;
    const std::u16string question = DeleteQuestion(ActionDeleteQueen, selection.id, queen->name);
    if (MessageBoxW(this, question, Tr(StringId::DeleteQueenBee), MB_YESNO) != IDYES)
        return;
    GetJournalHandlers()->queens.Delete(selection.id);
    // The genealogy of the queen's mother and daughters changed with her: show the tree afresh.
    if (!GetQueenBeeCache()->FindQueenBee(selection.id))
        FinishEdit(0);
}

void CBQManagerDialog::FinishEdit(std::int32_t idQueenBee)
{
    HTREEITEM previous = Tree()->GetSelectedItem();
    const std::int32_t kind = previous ? static_cast<std::int32_t>(Tree()->GetItemData(previous) & 0xFFFF) : 0;
    const std::int32_t id = Selection().id;
    SetMode(Show);
    FillTree();
    if (!SelectQueen(idQueenBee)) {
        HTREEITEM again = kind == QueenTreeItem::None ? nullptr : FindItem(kind, id);
        Tree()->SelectItem(again ? again : Tree()->GetFirstVisibleItem());
    }
    ShowSelection();
}

BOOL CBQManagerDialog::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    if (id == IdSearch && HIWORD(wParam) == EN_CHANGE) {
        FindByName();
        return TRUE;
    }
    if (HIWORD(wParam) != BN_CLICKED)
        return CDialog::OnCommand(wParam, lParam);
    switch (id) {
    case IdAdd:
        SetMode(AddQueen);
        return TRUE;
    case IdChange:
        SetMode(ChangeQueen);
        return TRUE;
    case IdMove:
        SetMode(MoveToFamily);
        return TRUE;
    case IdMother:
        SetMode(ChangeMother);
        return TRUE;
    case IdDelete:
        DeleteQueen();
        return TRUE;
    case IdSave: {
        const std::int32_t idQueenBee = m_right->Commit();
        // A new queen the database refused keeps her form and what was typed into it.
        if (idQueenBee != 0 || m_mode != AddQueen)
            FinishEdit(idQueenBee);
        return TRUE;
    }
    case IdSaveGenealogy:
        FinishEdit(m_left->Commit());
        return TRUE;
    case IdCancel:
    case IdCancelGenealogy:
        FinishEdit(Selection().GetKind() == QueenTreeItem::Queen ? Selection().id : 0);
        return TRUE;
    case IdClose:
        EndDialog(0);
        return TRUE;
    default:
        return CDialog::OnCommand(wParam, lParam);
    }
}

BOOL CBQManagerDialog::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->idFrom == IdTree && header->code == TVN_SELCHANGED) {
        ShowSelection();
        return TRUE;
    }
    return CDialog::OnNotify(wParam, lParam, result);
}

LRESULT CBQManagerDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == GenealogyChosenMessage) {
        if (m_mode == Show)
            SelectQueen(static_cast<std::int32_t>(wParam));
        return 0;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}
