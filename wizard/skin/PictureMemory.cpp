#include "PictureMemory.h"

#include <sys/mman.h>

#include <cstdint>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below this a huge page would mostly hold nothing.
constexpr std::size_t kSmallestHugeBuffer = std::size_t{1} << 20;

struct Mapping {
    uchar* start = nullptr;
    std::size_t length = 0;
};

void Unmap(void* info)
{
    const auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

// A mapping of whole huge pages that starts on a huge page boundary: more
// is reserved, then the ends are given back.
Mapping MapAligned(std::size_t bytes)
{
    const std::size_t length = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    const std::size_t reserved = length + kHugePage;
    void* mapped = mmap(nullptr, reserved, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        return {};
    auto* base = static_cast<uchar*>(mapped);
    const std::size_t lead = (kHugePage - reinterpret_cast<std::uintptr_t>(base) % kHugePage) % kHugePage;
    if (lead > 0)
        munmap(base, lead);
    if (reserved - lead > length)
        munmap(base + lead + length, reserved - lead - length);
    // Refused where huge pages are off; the mapping then works with small ones.
    madvise(base + lead, length, MADV_HUGEPAGE);
    return {base + lead, length};
}

} // namespace

QImage AllocateLargePicture(int width, int height, QImage::Format format)
{
    const qsizetype bytesPerLine = qsizetype{width} * 4;
    const auto bytes = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    if (width <= 0 || height <= 0 || bytes < kSmallestHugeBuffer)
        return QImage(width, height, format);
    const Mapping mapping = MapAligned(bytes);
    if (!mapping.start)
        return QImage(width, height, format);
    return QImage(mapping.start, width, height, bytesPerLine, format, Unmap, new Mapping(mapping));
}
