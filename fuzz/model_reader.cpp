// Fuzzes the coordinate-file reader: every input is read or refused with one
// message (gemmi's exceptions never escape), and a model it takes has placed
// atoms within the limit and whole operations.
#include <cmath>
#include <cstdlib>

#include "fuzz_util.h"
#include "map/model.h"

namespace {

// Counts the messages, so that a refusal is seen to say exactly one.
class CountingPlatform : public pyk::fuzz::SilentPlatform {
 public:
  void ShowMessage(const char*) override { ++messages; }
  int messages = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = pyk::fuzz::WriteInput(data, size, "model.cif");
  CountingPlatform platform;
  pyk::AtomModel model;
  const int r = pyk::ReadModelFile(path.c_str(), &model, platform);
  if (r != 0) {
    if (r != -1 || platform.messages != 1 || !model.atoms.empty()) std::abort();
    return 0;
  }
  if (platform.messages != 0 || model.atoms.empty() || model.atoms.size() > size_t{pyk::kMaxModelAtoms}) std::abort();
  if (model.ops.empty()) std::abort();
  for (const pyk::ModelAtom& a : model.atoms) {
    for (double f : a.frac) {
      if (!std::isfinite(f)) std::abort();
    }
  }
  for (const pyk::ModelOp& op : model.ops) {
    for (int i = 0; i < 3; ++i) {
      if (!std::isfinite(op.tran[i])) std::abort();
      for (double e : op.rot[i]) {
        if (!std::isfinite(e)) std::abort();
      }
    }
  }
  return 0;
}
