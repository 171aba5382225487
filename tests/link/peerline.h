#pragma once

#include "localconnectoraccess.h"

#include "tests/support/scriptedpeer.h"

namespace Testing {

// A connector whose selected port is the line of a scripted peer.
struct PeerLine
{
    ScriptedPeer peer;
    moduleRV_23::LocalConnector connector;
    LocalConnectorAccess access{connector};

    // Opens the line and selects it; with openPort the port is opened too, without a poll.
    bool open(bool openPort = true)
    {
        if (!peer.open())
            return false;
        access.select(peer.slavePath());
        return !openPort || access.openSelectedPort(false);
    }
};

} // namespace Testing
