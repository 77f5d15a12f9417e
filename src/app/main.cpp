// The zyfo program: a viewer for data-logger measurement files.
#include "CViewerApp.h"

namespace {
zyfo::CViewerApp theApp;
} // namespace

int main(int argc, char **argv)
{
    return zyfo::AfxWinMain(argc, argv);
}
