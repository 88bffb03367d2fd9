// Why the last link check did not reach a router the wizard can configure.
// The link check decides it; the connect-failed window tells it.
#pragma once

enum class LinkCheckCause {
    None,                   // the check succeeded, or has not run
    NoWiredAdapter,         // this PC has no wired network adapter
    NoCarrier,              // the adapter sees no cable
    NetworkServiceMissing,  // the system's network service is not running
    NotAllowed,             // the network service refused this user
    NoAddress,              // the adapter got no address from the router
    ResetFailed,            // switching to automatic addressing failed otherwise
    RouterSilent,           // nothing answered at the router's address
    LoginRefused,           // the router refused the user name and password
    InvalidMacs,            // the router answered with unusable MAC addresses
};
