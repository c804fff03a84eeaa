#pragma once

#include "protocol/Frame.h"

class ComDevice;

// Moving frames over the link. Each frame goes out in exactly one 17-byte write and comes in
// through exactly one 17-byte read, bit-reversed on the line; whatever the link throws reaches the
// caller unchanged.

// Sends the wire form of `frame` (taken by value: the caller's frame stays in logical form).
void SendFrame(ComDevice& link, Frame frame);
// Reads 17 bytes into `frame` and turns them into logical form. Tests neither header nor checksum.
void ReceiveFrame(ComDevice& link, Frame& frame);
