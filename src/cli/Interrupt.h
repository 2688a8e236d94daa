#pragma once

namespace quorvane {

// Ctrl-C (SIGINT), SIGTERM and SIGHUP set one flag and nothing else: the running routine sees it
// as the meter's Cancel, a terminal prompt as Cancel, and the file loop stops before the next
// file. Installed without SA_RESTART so that a blocking read returns with EINTR.
void InstallInterruptHandlers();

// True once an interrupt has arrived; never reset.
bool Interrupted() noexcept;

}  // namespace quorvane
