#pragma once

class ConsoleOptions;

// lumio-upload discover: searches the local network for servers for a few seconds, as the
// server-choosing dialogs do, and prints what a profile needs (name, address, ports) and whether Lumio
// can take uploads there. LUMIO_DISCOVERY_INTERFACES and LUMIO_DISCOVERY_TARGET keep it on chosen
// interfaces and addresses.
class ConsoleDiscover
{
public:
    // Exit status: success when a server answered, unreachable when none did.
    static int run(const ConsoleOptions& options);
};
