// A drop-down list of a dialog; it sends CBN_SELCHANGE when the user chooses an item.
#include "CComboBox.h"

#include <QComboBox>

namespace zyfo {

namespace {
QComboBox *comboOf(const CWnd &window)
{
    return qobject_cast<QComboBox *>(window.GetSafeHwnd());
}
} // namespace

int CComboBox::AddString(const std::string &text)
{
    QComboBox *combo = comboOf(*this);
    if (combo == nullptr)
        return -1;
    // Adding to an empty list must not select the new item: the platform's list stays
    // without a selection until one is made.
    int selected = combo->currentIndex();
    combo->addItem(QString::fromStdString(text));
    combo->setCurrentIndex(selected);
    return combo->count() - 1;
}

void CComboBox::ResetContent()
{
    if (QComboBox *combo = comboOf(*this))
        combo->clear();
}

int CComboBox::GetCount() const
{
    QComboBox *combo = comboOf(*this);
    return combo != nullptr ? combo->count() : 0;
}

int CComboBox::GetCurSel() const
{
    QComboBox *combo = comboOf(*this);
    return combo != nullptr ? combo->currentIndex() : -1;
}

int CComboBox::SetCurSel(int index)
{
    QComboBox *combo = comboOf(*this);
    if (combo == nullptr || index < -1 || index >= combo->count())
        return -1;
    combo->setCurrentIndex(index);
    return index;
}

} // namespace zyfo
