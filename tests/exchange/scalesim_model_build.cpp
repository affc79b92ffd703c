// The simulator's protocol model lives beside the simulator; it is built into this test
// binary as well so its tests can drive it without a socket.
#include "../../tools/scalesim/ScaleModel.cpp"
