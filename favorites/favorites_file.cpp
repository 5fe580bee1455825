#include "favorites/favorites_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "favorites/file_replace.h"

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// Closes the file and tells whether everything written reached it.
bool CloseWritten(File& file) {
  bool written = std::ferror(file.get()) == 0;
  return std::fclose(file.release()) == 0 && written;
}

// One read of at most 511 bytes into the line buffer, as fgets with a
// 512-byte buffer reads: up to and including the next line feed. Returns the
// number of bytes read (0 at the end of the file), so a line holding a NUL
// byte can still be copied whole.
size_t ReadLine(FILE* file, FavoriteLine& line) {
  size_t length = 0;
  while (length < kFavoriteLineBuffer - 1) {
    int c = std::getc(file);
    if (c == EOF) break;
    line[length++] = static_cast<char>(c);
    if (c == '\n') break;
  }
  line[length] = '\0';
  return length;
}

// The TAB tokenizer: skips leading TABs, ends the token at the next TAB
// (overwritten with NUL) and leaves `cursor` after it. Returns nullptr when
// only TABs are left. The line feed is no delimiter: it stays in the token.
char* NextField(char*& cursor) {
  while (*cursor == '\t') ++cursor;
  if (*cursor == '\0') return nullptr;
  char* field = cursor;
  while (*cursor != '\0' && *cursor != '\t') ++cursor;
  if (*cursor == '\t') *cursor++ = '\0';
  return field;
}

// Copies a field that came out of a line buffer into another one.
void CopyField(FavoriteLine& to, const char* field) {
  std::snprintf(to, sizeof to, "%s", field);
}

// Reads up to line `index`; true with the line in `line` when it exists.
bool SeekLine(FILE* file, int index, FavoriteLine& line) {
  for (int number = 0; ReadLine(file, line) > 0; ++number) {
    if (number == index) return true;
  }
  return false;
}

}  // namespace

FavoriteWrite AppendFavorite(const char* path, const char* name, const char* position,
                             const char* params) {
  FavoriteLine record;
  int length = std::snprintf(record, sizeof record, "%s\t%s\t%s\n", name, position, params);
  if (length < 0 || length >= kFavoriteLineBuffer) return FavoriteWrite::kRecordTooLong;

  // "a+" creates a missing file; every write goes to its end.
  File file(std::fopen(path, "a+"));
  if (!file) return FavoriteWrite::kFileFailed;

  // Read to the end to learn whether the last line has its line end: a
  // hand-edited file may lack it, and the record would continue that line.
  std::rewind(file.get());
  FavoriteLine line;
  char last = '\n';
  for (size_t got; (got = ReadLine(file.get(), line)) > 0;) last = line[got - 1];
  if (std::ferror(file.get())) return FavoriteWrite::kFileFailed;

  // A positioning call must come between reading and writing.
  std::fseek(file.get(), 0, SEEK_END);
  if (last != '\n') std::fputc('\n', file.get());
  std::fwrite(record, 1, static_cast<size_t>(length), file.get());
  return CloseWritten(file) ? FavoriteWrite::kDone : FavoriteWrite::kFileFailed;
}

int ReadFavoriteName(const char* path, int index, FavoriteLine& name) {
  File file(std::fopen(path, "r"));
  if (!file) return 0;
  name[0] = '\0';
  FavoriteLine line;
  if (!SeekLine(file.get(), index, line)) return 0;
  // The name runs from the line's first byte, not from its first field, to
  // the end of the first field: a line that starts with TABs keeps them.
  char* cursor = line;
  NextField(cursor);
  CopyField(name, line);
  return 1;
}

int ReadFavoriteFields(const char* path, int index, FavoriteLine& position,
                       FavoriteLine& params) {
  File file(std::fopen(path, "r"));
  if (!file) return 0;
  position[0] = '\0';
  params[0] = '\0';
  FavoriteLine line;
  if (!SeekLine(file.get(), index, line)) return 0;
  char* cursor = line;
  if (NextField(cursor) == nullptr) return 1;  // the name
  if (const char* field = NextField(cursor)) {
    CopyField(position, field);
    if ((field = NextField(cursor)) != nullptr) CopyField(params, field);
  }
  return 1;
}

FavoriteWrite DeleteFavorite(const char* path, int index) {
  File source(std::fopen(path, "r"));
  if (!source) return errno == ENOENT ? FavoriteWrite::kDone : FavoriteWrite::kFileFailed;

  // A temporary file left from before holds nothing of value: overwrite it.
  const std::string temporary = std::string(path) + ".tmp";
  File target(std::fopen(temporary.c_str(), "w"));
  if (!target) return FavoriteWrite::kFileFailed;

  FavoriteLine line;
  bool deleted = false;
  int number = 0;
  for (size_t got; (got = ReadLine(source.get(), line)) > 0; ++number) {
    if (number == index) {
      deleted = true;
    } else {
      std::fwrite(line, 1, got, target.get());
    }
  }
  bool ok = std::ferror(source.get()) == 0;
  source.reset();  // closed before the replace: Windows will not replace an open file
  ok = CloseWritten(target) && ok;

  if (ok && deleted) ok = ReplaceFileWith(path, temporary.c_str());
  if (!ok || !deleted) std::remove(temporary.c_str());
  return ok ? FavoriteWrite::kDone : FavoriteWrite::kFileFailed;
}
