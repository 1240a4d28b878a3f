// The default opener outside Windows: the desktop's "xdg-open", started
// directly (no shell) with the address as its only argument.
//
// Its outcome in the Windows shell's codes, as OpenWebPage reports them:
//   xdg-open exits 0 (opened)                       -> 42 (success)
//   still running after the wait (a handler that
//   keeps the opener busy has been started)          -> 42 (success)
//   exits 1 (it did not accept the address)          -> 11 (bad format)
//   exits 2 (the file named does not exist)          -> 2  (not found)
//   exits 3 (no tool for this kind of address)       -> 31 (no association)
//   exits 4 (the desktop's opener failed; on the
//   common desktops: no application for the kind)    -> 31 (no association)
//   any other exit status, or ended by a signal      -> 0
//   cannot be started: not installed (ENOENT,
//   ENOTDIR, ENOEXEC)                                -> 31 (nothing opens
//                                                       any address here)
//   cannot be started: no permission (EACCES, EPERM) -> 5  (access denied)
//   cannot be started: no memory or processes
//   (ENOMEM, EAGAIN)                                 -> 8  (out of memory)
//   cannot be started for another reason            -> 0
#pragma once

#include <chrono>
#include <cstdint>
#include <stop_token>
#include <string>

namespace kalvest {

inline constexpr char kXdgOpenProgram[] = "xdg-open";

// How long the opener waits for xdg-open's verdict.
constexpr std::chrono::milliseconds kXdgOpenWait{5000};

// Runs `program` (searched on PATH when it holds no "/") with `address`
// and returns the code above. A program still running after `wait`, or
// when `stop` is requested, is left to finish and reaped by a later call.
// Safe to call from several threads at once.
std::int32_t OpenWithXdgOpen(const std::string& address,
                             const std::string& program = kXdgOpenProgram,
                             std::chrono::milliseconds wait = kXdgOpenWait,
                             std::stop_token stop = {});

// The parts of the mapping above.
std::int32_t XdgOpenExitCode(int exit_status);
std::int32_t XdgOpenSpawnErrorCode(int error_number);

}  // namespace kalvest
