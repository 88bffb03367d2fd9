// Why the last reset of the PC's wired adapters to automatic addressing did
// not take effect; the link check turns it into a sentence for the user.
#pragma once

enum class HostResetFailure {
    None,                       // the reset took effect, or was not needed
    NoWiredAdapter,             // no wired adapter was found
    NoCarrier,                  // every wired adapter reports no carrier (cable out)
    NetworkManagerNotRunning,   // the system's network service is not there
    NotAuthorised,              // the network service refused this user
    NoDhcpAnswer,               // the adapter was switched but got no address
    CommandFailed,              // any other failure of the network service
};
