// The data file as the main window holds it: opened read-only with no sharing restriction,
// read by the reader through the data layer's DataSource interface.
#include "CFile.h"

namespace zyfo {

BOOL CFile::Open(const std::string &path, UINT flags)
{
    close();
    if ((flags & ~shareDenyNone) != modeRead)
        return FALSE;
    return open(path) ? TRUE : FALSE;
}

} // namespace zyfo
