// Owns one open file descriptor and closes it when it goes.
#pragma once

class FileDescriptor {
public:
    FileDescriptor() = default;
    explicit FileDescriptor(int descriptor);
    ~FileDescriptor();
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&& other) noexcept;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    bool IsOpen() const { return descriptor_ >= 0; }
    int Get() const { return descriptor_; }
    void Close();

private:
    int descriptor_ = -1;
};
