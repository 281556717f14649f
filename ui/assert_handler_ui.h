// wx keeps its assertions on in Debian's build, and a failed one opens a modal dialog that
// would block a run without a user forever. The programs log them instead.
#pragma once

// Makes failed wx assertions print one line to stderr and carry on.
void InstallLoggingAssertHandler();
