#include "FileDescriptor.h"

#include <unistd.h>

#include <utility>

FileDescriptor::FileDescriptor(int descriptor) : descriptor_(descriptor) {}

FileDescriptor::~FileDescriptor()
{
    Close();
}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1))
{
}

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept
{
    if (this != &other) {
        Close();
        descriptor_ = std::exchange(other.descriptor_, -1);
    }
    return *this;
}

// Linux frees the descriptor even when close is interrupted, so it is never retried.
void FileDescriptor::Close()
{
    if (descriptor_ >= 0)
        ::close(std::exchange(descriptor_, -1));
}
