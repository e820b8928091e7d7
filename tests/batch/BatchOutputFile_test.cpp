// climora-batch -o FILE: what becomes of the different kinds of FILE.

#include "testing/BatchRunner.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;
using climora::testing::BatchRun;
using climora::testing::readBytes;
using climora::testing::TempFolder;
using climora::testing::writeBytes;

namespace {

const std::string convertedText = "H\r\nYear\tDOY\tSolar\tT-max\tT-min\tRelHum\tPrecip\tET\r\n"
                                  "\t\tMJ/m2\toC\toC\t%\tmm\tmm\r\n"
                                  "2005\t1\t0.00\t5.0\t3.0\t0\t0.0\t0.0\r\n";

struct BatchOutputFile : ::testing::Test {
    TempFolder dir;

    BatchRun run(const std::string& output) {
        writeBytes(dir / "in.txt", "H\r\n2005 1 5 3\r\n");
        TempFolder scratch;
        return climora::testing::runBatch(
            dir.path(),
            {"--rows", "1", "--columns", "Year,DOY,T-max:oC,T-min:oC", "-o", output, "in.txt"},
            scratch.path());
    }
    // The files in the folder (not the folders), besides the input.
    std::set<std::string> filesLeft() const {
        std::set<std::string> present;
        for (const auto& entry : fs::recursive_directory_iterator(dir.path()))
            if (!fs::is_directory(entry.symlink_status()) && entry.path().filename() != "in.txt")
                present.insert(entry.path().lexically_relative(dir.path()).string());
        return present;
    }
};

} // namespace

TEST_F(BatchOutputFile, SymlinkKeepsPointingAtItsReplacedTarget) {
    fs::create_directory(dir / "sub");
    struct Case {
        const char* what;
        fs::path linkTo;
        std::string target; // relative to the folder
    };
    const std::vector<Case> cases = {
        {"beside", "real.wth", "real.wth"},
        {"in another folder, absolute", dir / "sub" / "real.wth", "sub/real.wth"},
        {"dangling", "sub/new.wth", "sub/new.wth"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.target != "sub/new.wth")
            writeBytes(dir / c.target, "earlier result");
        fs::create_symlink(c.linkTo, dir / "link.wth");
        BatchRun batch = run("link.wth");
        EXPECT_EQ(batch.exitStatus, 0) << batch.errors;
        EXPECT_TRUE(fs::is_symlink(dir / "link.wth"));
        EXPECT_EQ(readBytes(dir / c.target), convertedText);
        EXPECT_EQ(filesLeft(), (std::set<std::string>{"link.wth", c.target}));
        fs::remove(dir / "link.wth");
        fs::remove(dir / c.target);
    }
}

TEST_F(BatchOutputFile, StreamsAndDevicesAreWrittenStraightInto) {
    fs::path fifo = dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Read and write: the batch's open does not wait, and nothing is lost.
    int reader = open(fifo.c_str(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    fs::create_symlink("/dev/null", dir / "null-link");
    struct Case {
        std::string output;
        std::string expectedStdout, expectedFifo;
    };
    const std::vector<Case> cases = {
        {"-", convertedText, ""},    {"/dev/stdout", convertedText, ""},
        {"fifo", "", convertedText}, {"null-link", "", ""},
        {"/dev/null", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.output);
        // /dev/null itself only once links to it are known to be safe.
        if (c.output == "/dev/null" && HasFailure())
            break;
        BatchRun batch = run(c.output);
        EXPECT_EQ(batch.exitStatus, 0) << batch.errors;
        EXPECT_EQ(batch.output, c.expectedStdout);
        std::string fromFifo(1 << 16, '\0');
        ssize_t count = read(reader, fromFifo.data(), fromFifo.size());
        fromFifo.resize(count > 0 ? count : 0);
        EXPECT_EQ(fromFifo, c.expectedFifo);
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(fifo)));
        EXPECT_TRUE(fs::is_symlink(dir / "null-link"));
        EXPECT_TRUE(fs::is_character_file(fs::symlink_status("/dev/null")));
        EXPECT_TRUE(fs::is_symlink("/dev/stdout"));
        EXPECT_EQ(filesLeft(), (std::set<std::string>{"fifo", "null-link"}));
    }
    close(reader);
}

TEST_F(BatchOutputFile, ReadOnlyFileIsRefusedBeforeTheRun) {
    for (const char* output : {"out.wth", "link.wth"}) {
        SCOPED_TRACE(output);
        writeBytes(dir / "out.wth", "earlier result");
        fs::permissions(dir / "out.wth", fs::perms::owner_read | fs::perms::group_read);
        fs::create_symlink("out.wth", dir / "link.wth");
        BatchRun batch = run(output);
        EXPECT_EQ(batch.exitStatus, 2);
        EXPECT_EQ(batch.output, "");
        EXPECT_EQ(batch.errors, "error: out.wth is read-only. The existing file is not changed.\n");
        EXPECT_EQ(readBytes(dir / "out.wth"), "earlier result");
        EXPECT_EQ(filesLeft(), (std::set<std::string>{"out.wth", "link.wth"}));
        fs::remove(dir / "out.wth");
        fs::remove(dir / "link.wth");
    }
}
