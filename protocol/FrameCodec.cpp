#include "protocol/FrameCodec.h"

#include "link/ComDevice.h"

void SendFrame(ComDevice& link, Frame frame) {
    // `frame` is our private copy: reversing it leaves the caller's frame in logical form.
    ReverseBitOrder(frame.Bytes());
    link.Write(frame.Bytes().data(), Frame::kSize);
}

void ReceiveFrame(ComDevice& link, Frame& frame) {
    link.Read(frame.Bytes().data(), Frame::kSize);
    ReverseBitOrder(frame.Bytes());
}
