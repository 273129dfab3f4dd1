// A command run through the shell on a given standard input, for the tests of
// zorn2-text and the oracles that are programs of their own.
#pragma once
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

struct ShellRun {
  int exitCode;
  std::string out, err;
};

// Runs `command` (already shell-quoted) with `input` as its standard input. The files carry the
// process id: test runs of other trees share the temporary directory.
inline ShellRun RunWithInput(const std::string& command, const std::string& input) {
  const std::string base = testing::TempDir() + "zorn2_run_" + std::to_string(getpid());
  const std::string in = base + "_in", out = base + "_out", err = base + "_err";
  std::ofstream(in, std::ios::binary) << input;
  const int status = std::system((command + " <" + in + " >" + out + " 2>" + err).c_str());
  const auto read = [](const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  };
  ShellRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, read(out), read(err)};
  for (const std::string& file : {in, out, err}) std::remove(file.c_str());
  return run;
}
