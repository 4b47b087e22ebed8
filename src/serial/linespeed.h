#pragma once

// Bit rates on a terminal device, including those that have no Bxxx
// constant (14400, 56000, 128000 bit/s). Kept in a file of their own
// because the kernel's termios2 header cannot share a translation unit with
// <termios.h>.
namespace LineSpeed {

// Sets input and output rate. False when the driver refuses.
bool Set(int fd, unsigned bitsPerSecond);

// The output rate the driver holds now; 0 when it cannot be read.
unsigned Get(int fd);

} // namespace LineSpeed
