// climora-batch: one Process run on a weather file, without windows.

#include "batch/BatchRun.h"
#include "batch/InterruptCleanup.h"

int main(int argc, char** argv) {
    climora::InterruptCleanup::install();
    return climora::runBatchCommand({argv + 1, argv + argc}, stdout, stderr);
}
