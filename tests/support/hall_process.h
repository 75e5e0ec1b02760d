// SPDX-License-Identifier: MIT
#pragma once

// The hall's server as its own process, started from its program with a site and a results'
// file, its stdout read for the first hall's addresses; ended with SIGINT with the object, or
// killed. Shared by the fault tests and the load benchmark.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace kobaru {

// The server as its own process, with its stdout read for the addresses.
struct ServerProcess {
  pid_t pid = -1;
  unsigned short port = 0;
  std::string hall, key;

  // `more`: further options for the program.
  ServerProcess(const std::string& program, const std::filesystem::path& site,
                const std::filesystem::path& data, const std::vector<std::string>& more = {}) {
    std::vector<std::string> args = {program,       "--port", "0",          "--site",
                                     site.string(), "--data", data.string()};
    args.insert(args.end(), more.begin(), more.end());
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("no pipe");
    pid = fork();
    if (pid == 0) {
      dup2(out[1], STDOUT_FILENO);
      close(out[0]);
      execv(program.c_str(), argv.data());
      _exit(127);
    }
    close(out[1]);
    FILE* lines = fdopen(out[0], "r");
    char buffer[512];
    for (int i = 0; i < 2 && fgets(buffer, sizeof buffer, lines); ++i) {
      const std::string line = buffer;
      if (line.rfind("trainer ", 0) != 0) continue;
      const auto colon = line.find(':', line.find("//") + 2);
      port = static_cast<unsigned short>(std::stoi(line.substr(colon + 1)));
      const auto id = line.find("hall=") + 5;
      hall = line.substr(id, 32);
      key = line.substr(line.find('#') + 1, 32);
    }
    if (hall.empty()) throw std::runtime_error("kobaru-hall printed no trainer's address");
  }
  // As a power cut or the OOM killer would: no chance to finish anything.
  void killNow() {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    pid = -1;
  }
  ~ServerProcess() {
    if (pid < 0) return;
    kill(pid, SIGINT);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
      std::fprintf(stderr, "kobaru-hall ended with status %d on SIGINT\n", status);
  }
  // Processor seconds so far, user and system.
  double cpuSeconds() const {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string f;
    long long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> f; ++i) {
      if (i == 14) utime = std::stoll(f);
      if (i == 15) stime = std::stoll(f);
    }
    return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
  }
  std::string memory(const char* field) const {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
      if (line.rfind(field, 0) == 0)
        return line.substr(line.find_first_not_of(" \t", std::strlen(field) + 1));
    return "?";
  }
};

}  // namespace kobaru
