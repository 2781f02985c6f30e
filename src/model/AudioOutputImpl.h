#pragma once

// The values of one audio output line.
struct AudioOutputImpl {
    int number = 0;
    int mode = 0;
    int outputLevel = 3;
};
