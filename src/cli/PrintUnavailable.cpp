// The tool built without the desktop libraries has no printer to draw on.
#include "CliSupport.h"
#include "Commands.h"

namespace vantorel::cli {

int PrintCommand(int, char**) {
    throw UsageError("printing needs the desktop build (VANTOREL_DESKTOP=ON)");
}

} // namespace vantorel::cli

namespace vantorel::cli {

// The network peer speaks through Qt's sockets.
int NetPeerCommand(int, char**) {
    throw UsageError("net-peer needs the desktop build (VANTOREL_DESKTOP=ON)");
}

} // namespace vantorel::cli
