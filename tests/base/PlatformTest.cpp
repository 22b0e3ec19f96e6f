#include "base/FLock.h"
#include "base/platform/Event.h"
#include "base/platform/FilePath.h"
#include "base/platform/Library.h"
#include "base/platform/Thread.h"
#include "tests/support/TestPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

using namespace Ostrel;

namespace {

uint32_t tryLockFromOtherThread(void* lock) {
    return static_cast<FLock*>(lock)->tryLock() ? 1 : 0;
}

bool otherThreadGetsLock(FLock& lock) {
    auto t = Platform::Thread::createSuspended(&tryLockFromOtherThread, &lock);
    t->resume();
    EXPECT_TRUE(t->wait(10000));
    bool got = t->exitCode() == 1;
    // A lock taken by the other thread stays with it; these tests only probe a held lock.
    return got;
}

} // namespace

TEST(Event, AutoResetConsumesOneSignal) {
    Platform::Event e;
    EXPECT_FALSE(e.wait(0));
    e.signal();
    e.signal(); // signals do not count up
    EXPECT_TRUE(e.wait(0));
    EXPECT_FALSE(e.wait(20));
    e.signal();
    e.reset();
    EXPECT_FALSE(e.wait(0));
}

TEST(Event, WakesAWaitingThread) {
    Platform::Event e;
    auto t = Platform::Thread::createSuspended(
        [](void* p) -> uint32_t { return static_cast<Platform::Event*>(p)->wait(10000) ? 1 : 0; },
        &e);
    ASSERT_TRUE(t);
    t->resume();
    EXPECT_FALSE(t->wait(20)); // still waiting
    e.signal();
    ASSERT_TRUE(t->wait(10000));
    EXPECT_EQ(t->exitCode(), 1u);
}

TEST(FLock, IsReentrantForItsHolderOnly) {
    FLock lock("test");
    lock.lock();
    EXPECT_TRUE(lock.tryLock()); // the holder enters again
    EXPECT_FALSE(otherThreadGetsLock(lock));
    lock.unlock();
    EXPECT_FALSE(otherThreadGetsLock(lock)); // still held once
    lock.unlock();
    FLock other;
    EXPECT_TRUE(other.tryLock());
    other.unlock();
}

TEST(Library, LoadsByDrivePathAndKnowsItself) {
    std::string path = TestPaths::inBinDir(SELFMODULE_FILE_NAME);
    Platform::LibraryHandle lib = Platform::loadLibrary(path.c_str());
    ASSERT_NE(lib, nullptr) << path;

    using HandleProc = void* (*)();
    using NameProc = int (*)(char*, int);
    auto selfHandle = reinterpret_cast<HandleProc>(Platform::librarySymbol(lib, "selfHandle"));
    auto selfFileName = reinterpret_cast<NameProc>(Platform::librarySymbol(lib, "selfFileName"));
    ASSERT_TRUE(selfHandle && selfFileName);
    EXPECT_EQ(Platform::librarySymbol(lib, "noSuchExport"), nullptr);

    // The module recorded its own handle and file name when it was loaded.
    EXPECT_EQ(selfHandle(), lib);
    char name[1024];
    selfFileName(name, sizeof name);
    std::string recorded = TestPaths::asDrivePath(name);
    EXPECT_EQ(recorded.substr(recorded.find_last_of('\\') + 1), SELFMODULE_FILE_NAME);
    // And the test program is not the module.
    EXPECT_NE(Platform::ownModuleHandle(), lib);
    Platform::freeLibrary(lib);

    EXPECT_EQ(Platform::loadLibrary(TestPaths::inBinDir("missing_module.bin").c_str()), nullptr);
}

TEST(Library, FindsResourcesByTypeAndName) {
    Platform::LibraryHandle lib =
        Platform::loadLibrary(TestPaths::inBinDir(SELFMODULE_FILE_NAME).c_str());
    ASSERT_NE(lib, nullptr);
    const uint8_t* data = nullptr;
    uint32_t size = 0;
    ASSERT_TRUE(Platform::findResource(lib, "PLXXML", "#1", &data, &size));
    const char expected[] = "<parameters count=\"2\"/>\n";
    ASSERT_EQ(size, sizeof expected - 1);
    EXPECT_EQ(std::memcmp(data, expected, size), 0);
    EXPECT_FALSE(Platform::findResource(lib, "PLXXML", "#2", &data, &size));
    EXPECT_FALSE(Platform::findResource(lib, "OTHER", "#1", &data, &size));
    Platform::freeLibrary(lib);
}

TEST(FilePath, DrivePathsOpenFiles) {
    std::string path = TestPaths::inBinDir("drive_path_probe.txt");
    FILE* f = Platform::openFile(path.c_str(), "wb");
    ASSERT_NE(f, nullptr) << path;
    std::fputs("probe", f);
    std::fclose(f);
    f = Platform::openFile(path.c_str(), "rb");
    ASSERT_NE(f, nullptr);
    char text[8] = {};
    EXPECT_EQ(std::fread(text, 1, 7, f), 5u);
    std::fclose(f);
    EXPECT_STREQ(text, "probe");
}

// Runs with OSTREL_DRIVE_Q set to the folder of the test binaries (POSIX only).
TEST(DriveVariable, MapsTheDriveToTheVariable) {
    const char* root = std::getenv("OSTREL_DRIVE_Q");
    if (!root)
        GTEST_SKIP() << "OSTREL_DRIVE_Q is not set for this run";
    EXPECT_EQ(Platform::nativePath("q:\\sub\\x.so"), std::string(root) + "/sub/x.so");
    EXPECT_EQ(Platform::nativePath("plugins\\a.so"), "plugins\\a.so"); // no drive: as given
    std::string path = std::string("Q:\\") + SELFMODULE_FILE_NAME;
    Platform::LibraryHandle lib = Platform::loadLibrary(path.c_str());
    EXPECT_NE(lib, nullptr) << path;
    Platform::freeLibrary(lib);
}
