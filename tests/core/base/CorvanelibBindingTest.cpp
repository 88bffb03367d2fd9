#include "CorvanelibBinding.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

namespace {

const QString libraryFolder = QStringLiteral(TEST_LIBRARY_DIR "/");

int LiveObjects()
{
    void* handle = dlopen(TEST_LIBRARY_DIR "/libcore_fake_corvanelib.so", RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return -1;
    const auto live = reinterpret_cast<int (*)()>(dlsym(handle, "LiveObjects"));
    const int count = live ? live() : -1;
    dlclose(handle);
    return count;
}

TEST(CorvanelibBinding, LoadsFromTheProgramFolderAndFreesBeforeUnloading)
{
    {
        CorvanelibBinding binding;
        ASSERT_EQ(binding.Load(libraryFolder, QStringLiteral("libcore_fake_corvanelib.so")),
                  CorvanelibBinding::LoadResult::Loaded);
        EXPECT_NE(binding.Object(), nullptr);
        EXPECT_EQ(LiveObjects(), 1);
        binding.Unload();
        EXPECT_EQ(binding.Object(), nullptr);
        EXPECT_EQ(LiveObjects(), -1) << "library still loaded";
        ASSERT_EQ(binding.Load(libraryFolder, QStringLiteral("libcore_fake_corvanelib.so")),
                  CorvanelibBinding::LoadResult::Loaded);
    }
    EXPECT_EQ(LiveObjects(), -1);
}

TEST(CorvanelibBinding, ReportsAMissingLibrary)
{
    CorvanelibBinding binding;
    EXPECT_EQ(binding.Load(libraryFolder, QStringLiteral("libNoSuchCorvanelib.so")),
              CorvanelibBinding::LoadResult::LibraryMissing);
    EXPECT_EQ(binding.Object(), nullptr);
}

TEST(CorvanelibBinding, MissingLoadObjLeavesTheObjectNull)
{
    CorvanelibBinding binding;
    EXPECT_EQ(binding.Load(libraryFolder, QStringLiteral("libcore_no_loadobj.so")), CorvanelibBinding::LoadResult::Loaded);
    EXPECT_EQ(binding.Object(), nullptr);
}

} // namespace
