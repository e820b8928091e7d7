// climora-batch ended by a signal removes its private work folder.

#include "testing/BatchProcess.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using climora::testing::TempFolder;

TEST(BatchInterrupt, SignalRemovesThePrivateWorkFolderAndEndsWith128PlusItsNumber) {
    // Far more output than a FIFO holds, so the batch waits for its reader.
    std::string input = "H\r\n";
    for (int year = 2001; year <= 2010; ++year)
        for (int day = 1; day <= 365; ++day)
            input += std::to_string(year) + " " + std::to_string(day) + " 5 3\r\n";
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(strsignal(signal));
        TempFolder dir, scratch;
        climora::testing::writeBytes(dir / "in.txt", input);
        ASSERT_EQ(mkfifo((dir / "out").c_str(), 0600), 0);
        int reader = open((dir / "out").c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(reader, 0);
        fcntl(reader, F_SETPIPE_SZ, 4096);
        pid_t batch = climora::testing::startBatch(
            dir.path(),
            {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", "out", "in.txt"},
            scratch.path());
        pollfd written = {reader, POLLIN, 0};
        EXPECT_EQ(poll(&written, 1, 60'000), 1) << "the batch wrote nothing";
        EXPECT_FALSE(fs::is_empty(scratch / "tmp"));
        kill(batch, signal);
        climora::testing::BatchRun run = climora::testing::finishBatch(batch, scratch.path());
        EXPECT_EQ(run.exitStatus, 128 + signal) << run.errors;
        close(reader);
    }
}
