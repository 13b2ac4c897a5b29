#pragma once

namespace bitcalc::framework {

// With no session bus address in the environment, libdbus would start a bus
// of its own ("autolaunch") the first time anything asks for the session
// bus, as Qt's accessibility bridge does at start-up: that writes files under
// HOME and the runtime folder, leaves a daemon running after the program has
// ended, and stalls start-up for seconds where HOME cannot be written. While
// the program starts up, until its event loop first turns (the bridge asks
// before that), the address names a bus that cannot exist, so the bridge
// finds none and stays idle, as it does when the bus is down. Then the
// environment is given back as it was, so programs started from this one (a
// browser for a link) see what the user gave. A session that has a bus, by
// address or at the runtime folder's standard socket, is left alone.
//
// Call HoldBackSessionBusAutolaunch() before the QApplication is built and
// ReleaseSessionBusHoldLater() once it exists.
void HoldBackSessionBusAutolaunch();
void ReleaseSessionBusHoldLater();

}  // namespace bitcalc::framework
