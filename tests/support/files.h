// Scratch folders and files for tests that read and write real files, and
// the command-line tools run in such a folder as a user runs them.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace pyk::test {

// A fresh folder under the system's temporary folder, removed at the end.
class TempDir {
 public:
  TempDir() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "pyk-test-XXXXXX").string();
    path_ = ::mkdtemp(tmpl.data());
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  std::string File(const std::string& name) const { return (path_ / name).string(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline void WriteText(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The source tree's data folder with the shipped samples.
inline std::string DataFile(const std::string& name) { return std::string(PYK_DATA_DIR) + "/" + name; }

struct ToolRun {
  int status;  // the exit status, or -1 when the program did not exit normally (a crash)
  std::string out, err;
};

// Runs exe with args in folder, after the environment prefix env (as "env -u
// DISPLAY"); Qt's note about its runtime folder is left out of err.
inline ToolRun RunTool(const std::filesystem::path& folder, const std::string& exe, const std::string& args,
                       const std::string& env = "") {
  const std::string out = (folder / ".out").string(), err = (folder / ".err").string();
  const std::string cmd = "cd '" + folder.string() + "' && " + env + " '" + exe + "' " + args + " >" + out + " 2>" + err;
  const int raw = std::system(cmd.c_str());
  const int code = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  ToolRun r{code >= 128 ? -1 : code, ReadText(out), ReadText(err)};  // the shell gives a signal as 128 + n
  const std::string qt = "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-root'\n";
  for (size_t at; (at = r.err.find(qt)) != std::string::npos;) r.err.erase(at, qt.size());
  std::filesystem::remove(out), std::filesystem::remove(err);
  return r;
}

}  // namespace pyk::test
