// Reading a map file and its contour conditions, and loading the map into the view.
// The file is mapped into memory; a CCP4/MRC map is told by its content and
// read by ccp4_map, a text map is read in one pass with the C stream
// semantics of StreamScanner. Capacities are checked before anything is
// stored past them, and a load fills a staged record that is committed whole.
#include "map/reader.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/mman.h>
#include <sys/stat.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include "map/ccp4_map.h"
#include "map/map_messages.h"
#include "map/paths.h"
#include "map/scanner.h"
#include "map/section.h"
#include "map/statistics.h"
#include "state/message.h"
#include "text/c_numbers.h"

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

// Refuses the file at the number the scanner just missed, naming its line
// and what it belongs to ("the cell", or "density record" and its number).
int Missing(Platform& platform, const char* path, const StreamScanner& in, const char* what, int number = 0) {
  const std::string item = number > 0 ? FormatText("%s %d", what, number) : std::string(what);
  return Refuse(platform, in.AtEnd() ? msg::kMapEndsEarly : msg::kMapNotANumber, path, in.Line(), item.c_str());
}

inline void Widen(MapRecord& m, float d) {
  if (d <= m.m_fMinDensity) m.m_fMinDensity = d;
  if (d >= m.m_fMaxDensity) m.m_fMaxDensity = d;
}

// (max - min) / 20 in single precision, truncated toward zero to two decimals;
// the quotient is rounded to float before the truncation on purpose.
float ContourSpacing(float minDensity, float maxDensity) {
  const float step = static_cast<float>((double{maxDensity} - minDensity) / 20.0);
  return static_cast<float>(std::trunc(double{step} * 100.0) / 100.0);
}

// Refuses a map file that cannot be opened and mapped.
int NotFound(Platform& platform) {
  platform.ShowMessage(msg::kFouNotFound);
  return -1;
}

// Each load starts its density range afresh, so the range belongs to this map.
void StartLoad(MapRecord& m) {
  m.m_bMapValid = 0;
  m.m_fMinDensity = 1e8f;
  m.m_fMaxDensity = -1e8f;
}

// The title, the record count of line 2 and the column layout, judged from
// line 3; leaves the scanner at the start of line 3. 0 or the refusal's -1.
int ReadHeader(MapRecord& m, Platform& platform, StreamScanner& in, const char* path) {
  std::string_view piece;
  in.ReadLine(&piece);  // title
  int32_t count = 0;
  if (!in.ScanInt(count)) return Missing(platform, path, in, "the record count");
  in.ReadLine(&piece);  // rest of line 2
  std::string_view line3;
  in.ReadLine(&line3);
  if (count > kMaxPoints) return Refuse(platform, msg::kTooManyRecords, path, count, Grouped(kMaxPoints).c_str());
  if (count < 1) return Refuse(platform, msg::kTooFewRecords, path, count);
  m.m_nPoints = count;
  // Decided afresh for every file, so a two-column map never leaves its flag to the next one.
  m.m_bTwoColumn = m.m_bTwoColumnSetting == 1 || LooksTwoColumn(line3) ? 1 : 0;

  in.Rewind();
  in.ReadLine(&piece);
  in.ReadLine(&piece);
  return 0;
}

// Records first .. last - 1 from the scanner; the range lo .. hi widens with
// each single-column density as the C reader's comparisons widen it. False
// at the first record that does not convert, whose index goes to *failed.
bool ScanRecords(MapRecord& m, StreamScanner& in, int first, int last, float& lo, float& hi, int* failed) {
  const bool two = m.m_bTwoColumn == 1;
  for (int n = first; n < last; ++n) {
    int32_t* p = m.m_anPoint[n];
    bool ok = in.ScanInt(p[0]) && in.ScanInt(p[1]) && in.ScanInt(p[2]);
    if (two) {
      ok = ok && in.ScanFloat(m.m_afDensityA[n]) && in.ScanFloat(m.m_afDensityB[n]);
    } else {
      ok = ok && in.ScanFloat(m.m_afDensity[n]);
      const float d = m.m_afDensity[n];
      if (d <= lo) lo = d;
      if (d >= hi) hi = d;
    }
    if (!ok) {
      *failed = n;
      return false;
    }
  }
  return true;
}

// From this many records on, the two halves of the records are read at once.
// The fuzzing build lowers it, so that every small input takes that path too.
#ifndef PYK_TWO_HALVES_RECORDS
#define PYK_TWO_HALVES_RECORDS 200000
#endif
constexpr int kTwoHalvesRecords = PYK_TWO_HALVES_RECORDS;

// The second half's reading on a thread of its own.
struct SecondHalf {
  MapRecord* m;
  StreamScanner in;
  int first, last;
  float lo = 1e8f, hi = -1e8f;
  bool ok = false;
};

void* ReadSecondHalf(void* arg) {
  auto* h = static_cast<SecondHalf*>(arg);
  int failed = 0;
  h->ok = ScanRecords(*h->m, h->in, h->first, h->last, h->lo, h->hi, &failed);
  return nullptr;
}

// The line feeds in [p, end), sixteen bytes at a time where SSE2 is: a byte
// counter per lane, summed every 255 steps before it could wrap. std::count
// widens every byte to a 64-bit count and takes eight times as long.
int64_t CountLineFeeds(const char* p, const char* end) {
  int64_t total = 0;
#ifdef __SSE2__
  const __m128i feed = _mm_set1_epi8('\n'), zero = _mm_setzero_si128();
  while (end - p >= 16) {
    __m128i counts = zero;
    for (int steps = 0; steps < 255 && end - p >= 16; ++steps, p += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
      counts = _mm_sub_epi8(counts, _mm_cmpeq_epi8(bytes, feed));  // a match is -1
    }
    const __m128i sums = _mm_sad_epu8(counts, zero);
    total += _mm_cvtsi128_si64(sums) + _mm_cvtsi128_si64(_mm_unpackhi_epi64(sums, sums));
  }
#endif
  return total + std::count(p, end, '\n');
}

// Reads the records in two halves at once: the second from the first line
// start past the middle of the rest of the file, as the records after as
// many records as there are lines before it. That guess is taken only when
// the first half ends exactly where the second began, so the records, the
// range and the scanner's place are those of one pass. Returns how many
// records were read (all, the first half, or none when the first half does
// not convert) and leaves the scanner after them.
int ReadTwoHalves(MapRecord& m, StreamScanner& in) {
  const char* start = in.Position();
  const char* end = in.End();
  const void* feed = std::memchr(start + (end - start) / 2, '\n', static_cast<size_t>(end - start) / 2);
  if (feed == nullptr) return 0;
  const char* middle = static_cast<const char*>(feed) + 1;
  const int64_t before = CountLineFeeds(start, middle);
  if (before < 1 || before >= m.m_nPoints) return 0;
  const int first = static_cast<int>(before);
  SecondHalf second{&m, StreamScanner(in.Begin(), middle, end), first, m.m_nPoints};
  pthread_t thread;
  if (pthread_create(&thread, nullptr, ReadSecondHalf, &second) != 0) return 0;
  const StreamScanner atStart = in;
  float lo = m.m_fMinDensity, hi = m.m_fMaxDensity;
  int failed = 0;
  const bool firstOk = ScanRecords(m, in, 0, first, lo, hi, &failed);
  pthread_join(thread, nullptr);
  if (!firstOk) {
    in = atStart;
    return 0;
  }
  const bool joined = second.ok && in.NextToken() == StreamScanner(in.Begin(), middle, end).NextToken();
  if (joined) {
    in = second.in;
    if (second.lo <= lo) lo = second.lo;
    if (second.hi >= hi) hi = second.hi;
  }
  m.m_fMinDensity = lo;
  m.m_fMaxDensity = hi;
  return joined ? m.m_nPoints : first;
}

// The records from line 3 on; the density range widens with each single-column density.
int ReadRecords(MapRecord& m, Platform& platform, StreamScanner& in, const char* path) {
  const int read = m.m_nPoints >= kTwoHalvesRecords ? ReadTwoHalves(m, in) : 0;
  int failed = 0;
  const bool ok = ScanRecords(m, in, read, m.m_nPoints, m.m_fMinDensity, m.m_fMaxDensity, &failed);
  if (!ok) return Missing(platform, path, in, "density record", failed + 1);
  return 0;
}

// The symmetry tail after the records, every number of it present. Returns
// 0 or the refusal's -1.
int ReadTail(MapRecord& m, Platform& platform, StreamScanner& in, const char* path) {
  for (float& c : m.m_afCell) {
    if (!in.ScanFloat(c)) return Missing(platform, path, in, "the cell");
  }
  for (int32_t& g : m.m_anGrid) {
    if (!in.ScanInt(g)) return Missing(platform, path, in, "the grid");
  }
  int32_t ops = 0, lattice = 0;
  if (!in.ScanInt(ops) || !in.ScanInt(m.m_nCentro) || !in.ScanInt(lattice)) {
    return Missing(platform, path, in, "the symmetry head");
  }
  if (ops < 0 || ops > kMaxSymOps) return Refuse(platform, msg::kSymOpsRange, path, ops, kMaxSymOps);
  if (lattice < 0 || lattice > kMaxLattice) return Refuse(platform, msg::kLatticeRange, path, lattice, kMaxLattice);
  m.m_nSymOps = ops;
  m.m_nLattice = lattice;
  for (int op = 0; op < ops; ++op) {
    for (auto& column : m.m_anSymRot[op]) {
      for (int32_t& r : column) {
        if (!in.ScanInt(r)) return Missing(platform, path, in, "symmetry operation", op + 1);
      }
    }
    for (int32_t& tr : m.m_anSymTrans[op]) {
      if (!in.ScanInt(tr)) return Missing(platform, path, in, "symmetry operation", op + 1);
    }
  }
  for (int l = 0; l < lattice; ++l) {
    for (int32_t& t : m.m_anLatticeTrans[l]) {
      if (!in.ScanInt(t)) return Missing(platform, path, in, "lattice translation", l + 1);
    }
  }
  return 0;
}

// A text map: header, records and symmetry tail. 0 or the refusal's -1.
int ReadTextMap(MapRecord& m, Platform& platform, const char* path, const char* begin, const char* end) {
  StreamScanner in(begin, end);
  if (ReadHeader(m, platform, in, path) != 0) return -1;
  if (ReadRecords(m, platform, in, path) != 0) return -1;
  return ReadTail(m, platform, in, path);
}

// The densities the map shows: the single column, or the chosen one of two.
const float* ShownDensities(const MapRecord& m) {
  if (m.m_bTwoColumn != 1) return m.m_afDensity;
  return m.m_nColumn == 0 ? m.m_afDensityA : m.m_afDensityB;
}

// Refuses, in this order, grid counts beyond their range, a cell that is not
// finite or has an edge that is not positive, shown densities that are not
// finite and maps whose images would overflow the work lists on some
// section; all before the contour file is asked for.
int CheckMap(const MapRecord& m, Platform& platform, const char* path) {
  const int32_t* g = m.m_anGrid;
  for (int a = 0; a < 3; ++a) {
    if (g[a] < 1 || g[a] > kMaxGrid) return Refuse(platform, msg::kGridRange, path, g[0], g[1], g[2], kMaxGrid);
  }
  const float* c = m.m_afCell;
  bool cellOk = true;
  for (int i = 0; i < 6; ++i) cellOk = cellOk && std::isfinite(c[i]) && (i >= 3 || c[i] > 0.0f);
  if (!cellOk) {
    return Refuse(platform, msg::kCellInvalid, path, double{c[0]}, double{c[1]}, double{c[2]}, double{c[3]},
                  double{c[4]}, double{c[5]});
  }
  const float* densities = ShownDensities(m);
  for (int n = 0; n < m.m_nPoints; ++n) {
    if (!std::isfinite(densities[n])) return Refuse(platform, msg::kDensityNotFinite, path, n + 1);
  }
  // Only when there are more images than the work lists hold can one section overflow them.
  const int64_t onSection = ImageCount(m) > kMaxSectionPoints ? MaxSectionPoints(m) : 0;
  if (onSection > kMaxSectionPoints) {
    return Refuse(platform, msg::kSectionPoints, path, static_cast<long long>(onSection),
                  Grouped(kMaxSectionPoints).c_str());
  }
  return 0;
}

// The contour conditions: the given file, or the one beside the map, or the
// Contour Conditions dialog when there is none. 0 or -1.
int ReadConditions(MapRecord& m, Platform& platform, const char* path, bool ccp4, ConSource con) {
  if (con == ConSource::kBeside) {
    if (!CopyPath(m.m_szConFile, ConPathFor(path, ccp4), platform)) return -1;
    if (!Exists(m.m_szConFile)) {
      float f000 = m.m_fF000;
      int levels = m.m_nContourLevels;
      if (platform.AskContourConditions(f000, levels)) {
        m.m_fF000 = f000;
        m.m_nContourLevels = levels;
      }
      return 0;
    }
  }
  if (!ReadConFile(m, m.m_szConFile)) {
    platform.ShowMessage(msg::kConNotFound);
    return -1;
  }
  return 0;
}

// A two-column map shows its chosen column as the densities, and the density
// range widens over that column.
void CopyShownColumn(MapRecord& m) {
  if (m.m_bTwoColumn != 1) return;
  const float* shown = ShownDensities(m);
  for (int n = 0; n < m.m_nPoints; ++n) {
    m.m_afDensity[n] = shown[n];
    Widen(m, m.m_afDensity[n]);
  }
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

bool ReadConFile(MapRecord& s, const char* path) {
  if (!IsRegularFile(path)) return false;
  FILE* f = std::fopen(path, "r");
  if (f == nullptr) return false;
  char line[kPathSize];
  if (std::fgets(line, sizeof line, f) != nullptr) {
    ScanC(line, "%f %f %f", &s.m_afHkl[0], &s.m_afHkl[1], &s.m_afHkl[2]);
  }
  if (std::fgets(line, sizeof line, f) != nullptr) ScanC(line, "%d", &s.m_nContourLevels);
  if (std::fgets(line, sizeof line, f) != nullptr) ScanC(line, "%d", &s.m_nMapType);
  if (std::fgets(line, sizeof line, f) != nullptr) ScanC(line, "%f", &s.m_fF000);
  std::fclose(f);
  return true;
}

int ReadMapFile(MapRecord& m, Platform& platform, const char* path, ConSource con) {
  const MappedFile file(path);
  if (!file.ok()) return NotFound(platform);
  StartLoad(m);
  const bool ccp4 = IsCcp4Map(file.begin(), file.end());
  const int read = ccp4 ? ReadCcp4Records(m, platform, path, file.begin(), file.end())
                        : ReadTextMap(m, platform, path, file.begin(), file.end());
  if (read != 0) return -1;
  if (CheckMap(m, platform, path) != 0) return -1;
  if (ReadConditions(m, platform, path, ccp4, con) != 0) return -1;
  CopyShownColumn(m);
  m.m_fContourStep = ContourSpacing(m.m_fMinDensity, m.m_fMaxDensity);
  m.m_bMapValid = 1;
  return 0;
}

int LoadMap(ViewState& s, Platform& platform, const LoadRequest& request) {
  MapRecord staged = StageMapRecord(s);
  bool copied = CopyPath(staged.m_szMapFile, request.map, platform);
  copied = copied && (request.report == nullptr || CopyPath(staged.m_szListFile, *request.report, platform));
  copied = copied && (request.con == nullptr || CopyPath(staged.m_szConFile, *request.con, platform));
  const ConSource con = request.con != nullptr ? ConSource::kGiven : ConSource::kBeside;
  if (!copied || ReadMapFile(staged, platform, staged.m_szMapFile, con) != 0) {
    if (!s.m_bMapValid) s.m_nStatus = kStatusNoMap;
    return -1;
  }
  staged.m_stats = ComputeMapStatistics(staged);
  if (s.m_levelOptions.stepInSigma && s.m_stats.sigma > 0.0 && staged.m_stats.sigma > 0.0) {
    // A separation given in sigma stays the same multiple of the new map's sigma.
    staged.m_fContourStep = static_cast<float>(s.m_fContourStep / s.m_stats.sigma * staged.m_stats.sigma);
  }
  CommitMapRecord(s, staged);
  s.m_vPeaks.clear();

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
  // The section number names the section on screen, so the panes, the report
  // and the next step start from it.
  s.m_nSection = s.m_anSectionIndex[p];
  ComputeSection(s);
  return 0;
}

int LoadMap(ViewState& s, Platform& platform) {
  const std::string_view map = s.m_szMapFile;
  return LoadMap(s, platform, LoadRequest{map});
}

int LoadFromArguments(ViewState& s, Platform& platform, const std::string_view* words, int count) {
  // A missing word keeps its field; the contour file is always the given one.
  const std::string_view map = count > 0 ? words[0] : std::string_view(s.m_szMapFile);
  const std::string_view con = count > 2 ? words[2] : std::string_view(s.m_szConFile);
  LoadRequest request{map, count > 1 ? &words[1] : nullptr, &con};
  s.m_bCommandLine = 1;
  const int r = LoadMap(s, platform, request);
  if (r != 0) platform.ShowMessage(msg::kDataInputError);
  return r;
}

}  // namespace pyk
