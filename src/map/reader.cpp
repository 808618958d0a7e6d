// The map file is mapped into memory and read in one pass with the C stream
// semantics of StreamScanner; capacities are checked before anything is
// stored past them.
#include "map/reader.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "map/messages.h"
#include "map/paths.h"
#include "map/scanner.h"
#include "map/section.h"

namespace pyk {

namespace {

// A read-only mapping of a whole regular file; empty files map to nothing.
class MappedFile {
 public:
  explicit MappedFile(const char* path) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
      size_ = static_cast<size_t>(st.st_size);
      ok_ = true;
      if (size_ > 0) {
        void* p = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
        if (p == MAP_FAILED) {
          ok_ = false;
          size_ = 0;
        } else {
          data_ = static_cast<const char*>(p);
        }
      }
    }
    ::close(fd);
  }
  ~MappedFile() {
    if (data_ != nullptr) ::munmap(const_cast<char*>(data_), size_);
  }
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;

  bool ok() const { return ok_; }
  const char* begin() const { return data_; }
  const char* end() const { return data_ + size_; }

 private:
  const char* data_ = nullptr;
  size_t size_ = 0;
  bool ok_ = false;
};

bool IsRegularFile(const char* path) {
  struct stat st;
  return ::stat(path, &st) == 0 && S_ISREG(st.st_mode);
}

bool Exists(const char* path) {
  struct stat st;
  return ::stat(path, &st) == 0;
}

template <typename... Args>
int Refuse(Platform& platform, const char* format, const char* path, Args... args) {
  const int n = std::snprintf(nullptr, 0, format, path, args...);
  std::string text(static_cast<size_t>(n > 0 ? n : 0), '\0');
  std::snprintf(text.data(), text.size() + 1, format, path, args...);
  platform.ShowMessage(text.c_str());
  return -1;
}

inline void Widen(ViewState& s, float d) {
  if (d <= s.m_fMinDensity) s.m_fMinDensity = d;
  if (d >= s.m_fMaxDensity) s.m_fMaxDensity = d;
}

// (max - min) / 20 in single precision, truncated toward zero to two decimals.
float ContourSpacing(float minDensity, float maxDensity) {
  const float step = static_cast<float>((double{maxDensity} - minDensity) / 20.0);
  return static_cast<float>(std::trunc(double{step} * 100.0) / 100.0);
}

// Reads the head of the symmetry tail after the records. Returns 0 or the
// refusal's -1.
int ReadTail(ViewState& s, Platform& platform, StreamScanner& in, const char* path) {
  for (float& c : s.m_afCell) in.ScanFloat(c);
  for (int32_t& g : s.m_anGrid) in.ScanInt(g);
  int32_t ops = s.m_nSymOps;
  int32_t lattice = s.m_nLattice;
  in.ScanInt(ops);
  in.ScanInt(s.m_nCentro);
  in.ScanInt(lattice);
  if (ops < 0 || ops > kMaxSymOps) return Refuse(platform, msg::kSymOpsRange, path, ops);
  if (lattice < 0 || lattice > kMaxLattice) return Refuse(platform, msg::kLatticeRange, path, lattice);
  s.m_nSymOps = ops;
  s.m_nLattice = lattice;
  for (int op = 0; op < ops; ++op) {
    for (auto& column : s.m_anSymRot[op]) {
      for (int32_t& r : column) in.ScanInt(r);
    }
    for (int32_t& t : s.m_anSymTrans[op]) in.ScanInt(t);
  }
  for (int l = 0; l < lattice; ++l) {
    for (int32_t& t : s.m_anLatticeTrans[l]) in.ScanInt(t);
  }

  const int32_t* g = s.m_anGrid;
  for (int a = 0; a < 3; ++a) {
    if (g[a] < 1 || g[a] > kMaxGrid) return Refuse(platform, msg::kGridRange, path, g[0], g[1], g[2]);
  }
  const float* c = s.m_afCell;
  bool cellOk = true;
  for (int i = 0; i < 6; ++i) cellOk = cellOk && std::isfinite(c[i]) && (i >= 3 || c[i] > 0.0f);
  if (!cellOk) {
    return Refuse(platform, msg::kCellInvalid, path, double{c[0]}, double{c[1]}, double{c[2]},
                  double{c[3]}, double{c[4]}, double{c[5]});
  }
  return 0;
}

// Refuses densities that are not finite and maps whose images would overflow
// the work lists on some section; both are checked before the contour file
// is asked for.
int CheckMap(const ViewState& s, Platform& platform, const char* path, const float* densities) {
  for (int n = 0; n < s.m_nPoints; ++n) {
    if (!std::isfinite(densities[n])) return Refuse(platform, msg::kDensityNotFinite, path, n + 1);
  }
  // Only when there are more images than the work lists hold can one section overflow them.
  const int64_t onSection = ImageCount(s) > kMaxSectionPoints ? MaxSectionPoints(s) : 0;
  if (onSection > kMaxSectionPoints) {
    return Refuse(platform, msg::kSectionPoints, path, static_cast<long long>(onSection));
  }
  return 0;
}

}  // namespace

bool LooksTwoColumn(std::string_view line3) {
  // Tokens end at white space or at a zero byte, as with the C string functions.
  line3 = line3.substr(0, line3.find('\0'));
  size_t i = 0;
  for (int token = 1; i < line3.size(); ++token) {
    while (i < line3.size() && IsCSpace(line3[i])) ++i;
    if (i == line3.size()) break;
    const size_t start = i;
    while (i < line3.size() && !IsCSpace(line3[i])) ++i;
    if (token == 5) return line3.substr(start, i - start).find('.') != std::string_view::npos;
  }
  return false;
}

bool ReadConFile(ViewState& s, const char* path) {
  if (!IsRegularFile(path)) return false;
  FILE* f = std::fopen(path, "r");
  if (f == nullptr) return false;
  char line[kPathSize];
  if (std::fgets(line, sizeof line, f) != nullptr) {
    std::sscanf(line, "%f %f %f", &s.m_afHkl[0], &s.m_afHkl[1], &s.m_afHkl[2]);
  }
  if (std::fgets(line, sizeof line, f) != nullptr) std::sscanf(line, "%d", &s.m_nContourLevels);
  if (std::fgets(line, sizeof line, f) != nullptr) std::sscanf(line, "%d", &s.m_nMapType);
  if (std::fgets(line, sizeof line, f) != nullptr) std::sscanf(line, "%f", &s.m_fF000);
  std::fclose(f);
  return true;
}

int ReadMapFile(ViewState& s, Platform& platform, const char* path) {
  const MappedFile file(path);
  if (!file.ok()) {
    platform.ShowMessage(msg::kFouNotFound);
    return -1;
  }
  // Each load starts its density range afresh, so the range belongs to this map.
  s.m_bMapValid = 0;
  s.m_fMinDensity = 1e8f;
  s.m_fMaxDensity = -1e8f;

  StreamScanner in(file.begin(), file.end());
  std::string_view piece;
  in.ReadLine(&piece);  // title
  int32_t count = s.m_nPoints;
  in.ScanInt(count);
  in.ReadLine(&piece);  // rest of line 2
  std::string_view line3;
  in.ReadLine(&line3);
  if (count > kMaxPoints) return Refuse(platform, msg::kTooManyRecords, path, count);
  if (count < 1) return Refuse(platform, msg::kTooFewRecords, path, count);
  s.m_nPoints = count;
  if (LooksTwoColumn(line3)) s.m_bTwoColumn = 1;

  in.Rewind();
  in.ReadLine(&piece);
  in.ReadLine(&piece);
  const bool two = s.m_bTwoColumn == 1;
  for (int n = 0; n < count; ++n) {
    int32_t* p = s.m_anPoint[n];
    in.ScanInt(p[0]);
    in.ScanInt(p[1]);
    in.ScanInt(p[2]);
    if (two) {
      in.ScanFloat(s.m_afDensityA[n]);
      in.ScanFloat(s.m_afDensityB[n]);
    } else {
      in.ScanFloat(s.m_afDensity[n]);
      Widen(s, s.m_afDensity[n]);
    }
  }
  if (ReadTail(s, platform, in, path) != 0) return -1;
  const float* shown = !two ? s.m_afDensity : (s.m_nColumn == 0 ? s.m_afDensityA : s.m_afDensityB);
  if (CheckMap(s, platform, path, shown) != 0) return -1;

  if (s.m_bCommandLine == 1) {
    if (!ReadConFile(s, s.m_szConFile)) {
      platform.ShowMessage(msg::kConNotFound);
      return -1;
    }
  } else {
    const std::string con = ConPathFor(path);
    if (!CopyPath(s.m_szConFile, con, platform)) return -1;
    if (Exists(s.m_szConFile)) {
      if (!ReadConFile(s, s.m_szConFile)) {
        platform.ShowMessage(msg::kConNotFound);
        return -1;
      }
    } else {
      float f000 = s.m_fF000;
      int levels = s.m_nContourLevels;
      if (platform.AskContourConditions(f000, levels)) {
        s.m_fF000 = f000;
        s.m_nContourLevels = levels;
      }
    }
  }

  if (two) {
    for (int n = 0; n < count; ++n) {
      s.m_afDensity[n] = shown[n];
      Widen(s, s.m_afDensity[n]);
    }
  }
  s.m_fContourStep = ContourSpacing(s.m_fMinDensity, s.m_fMaxDensity);
  s.m_bMapValid = 1;
  return 0;
}

int LoadMap(ViewState& s, Platform& platform) {
  const int r = ReadMapFile(s, platform, s.m_szMapFile);
  s.m_nStatus = r;
  if (r != 0) return r;

  const float h = s.m_afHkl[0], k = s.m_afHkl[1], l = s.m_afHkl[2];
  if (h != 0.0f && k == 0.0f && l == 0.0f) {
    s.m_nPlane = kPlaneH00;
  } else if (h == 0.0f && k != 0.0f && l == 0.0f) {
    s.m_nPlane = kPlane0K0;
  } else if (h == 0.0f && k == 0.0f && l != 0.0f) {
    s.m_nPlane = kPlane00L;
  }
  const int p = s.m_nPlane;
  s.m_anSectionIndex[p] = s.m_afHkl[p] == 1.0f ? 0 : s.m_anGrid[p];
  ComputeSection(s);
  return 0;
}

int LoadFromArguments(ViewState& s, Platform& platform, const std::string_view* words, int count) {
  bool copied = true;
  if (count > 0) copied = copied && CopyPath(s.m_szMapFile, words[0], platform);
  if (count > 1) copied = copied && CopyPath(s.m_szListFile, words[1], platform);
  if (count > 2) copied = copied && CopyPath(s.m_szConFile, words[2], platform);
  s.m_bCommandLine = 1;
  const int r = copied ? LoadMap(s, platform) : -1;
  s.m_nStatus = r;
  if (r != 0) platform.ShowMessage(msg::kDataInputError);
  return r;
}

}  // namespace pyk
