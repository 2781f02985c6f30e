#pragma once

// The error boxes of the message list: for a failed step and the code it failed with, the
// string ids of the box's caption and text.
namespace MessageErrors {

struct Box {
    int caption;
    int text;
};

Box import(int code);
Box recordStart(int code);
Box play(int code);
Box pause(int code);
Box stopPlay(int code);
Box stopRecord(int code);

} // namespace MessageErrors
