// climora-batch: one Process run on a weather file, without windows.

#include "batch/BatchRun.h"

int main(int argc, char** argv) {
    return climora::runBatchCommand({argv + 1, argv + argc}, stdout, stderr);
}
