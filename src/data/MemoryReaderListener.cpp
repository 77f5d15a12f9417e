// A window-less ReaderListener: the channel list and control state kept in memory.
#include "MemoryReaderListener.h"

namespace zyfo {

void MemoryReaderListener::clearItems()
{
    m_items.clear();
    m_current = -1;
}

void MemoryReaderListener::setCurrentItem(int item)
{
    m_current = item >= 0 && item < itemCount() ? item : -1;
}

void MemoryReaderListener::applySelection()
{
    if (m_current < 0)
        return;
    m_file.setSelectedChannel(m_file.listEntry(m_current));
}

void MemoryReaderListener::applyShownAndGrid()
{
    // The boxes show the selected channel's own flags, so taking them back changes no flag;
    // what remains of the handlers is the recount of the groups' shown flags.
    m_file.updateGroupShownFlags();
}

} // namespace zyfo
