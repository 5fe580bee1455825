#pragma once
// The favorites file: one record per line, name TAB position TAB parameters
// and a line feed, 8-bit text in the ANSI code page. Files are opened in text
// mode, so under Windows a line ends in CR LF on disk and CR LF reads back as
// one line feed. People edit the file by hand; its format never changes.
//
// A line is what one read of at most 511 bytes gives: the text up to and
// including the next line feed, 511 bytes of a longer line, or the rest of
// the file. A longer line is therefore several lines, each with an index of
// its own. Every operation reads through the same 512-byte line buffer, so
// they all agree on the indexes. Records are addressed by line index only;
// each operation opens and closes the file, nothing is kept in memory.
//
// The functions take the file's path (favoritesPath at run time) and report
// a result; the caller shows the messages.

constexpr int kFavoriteLineBuffer = 512;
using FavoriteLine = char[kFavoriteLineBuffer];

// Outcome of an operation that writes the file.
enum class FavoriteWrite {
  kDone,           // written, or (deleting) nothing there to delete
  kFileFailed,     // the file could not be opened, written or replaced
  kRecordTooLong,  // the record's line would pass 511 bytes; nothing written
};

// Appends the record "name\tposition\tparameters\n", creating the file when
// it is missing. A file whose last line has no line end gets one first, so
// the record starts a line of its own. A record whose line would pass 511
// bytes is refused (it would read back as two records).
FavoriteWrite AppendFavorite(const char* path, const char* name, const char* position,
                             const char* params);

// Reads the name of line `index`: the line up to the first TAB that follows
// a character other than TAB, or the whole line (line feed included) when
// there is none. Returns 1 when the line exists; 0 otherwise, with `name`
// empty, or untouched when the file cannot be opened.
int ReadFavoriteName(const char* path, int index, FavoriteLine& name);

// Reads the position (second field) and parameters (third field) of line
// `index`. Fields are split at TABs: leading TABs are skipped, a run of TABs
// is one separator (so an empty field yields nothing and the next field
// moves up), and the line feed stays at the end of the last field. Returns 1
// when the line exists; 0 otherwise, with both buffers empty, or untouched
// when the file cannot be opened.
int ReadFavoriteFields(const char* path, int index, FavoriteLine& position,
                       FavoriteLine& params);

// Deletes line `index`. The remaining lines are written to `path` + ".tmp"
// (a file left there from before is overwritten), which then replaces the
// favorites file in one step. On any failure the favorites file is left
// exactly as it was and kFileFailed is returned. A missing file or an index
// that names no line (beyond the end, or negative) changes nothing: kDone.
FavoriteWrite DeleteFavorite(const char* path, int index);
