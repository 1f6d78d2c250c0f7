#pragma once
// Which channel of a stereo file becomes the document's one channel.
enum class ChannelChoice {
    Left,
    Right,
    Mix,  // the mean of left and right
};
