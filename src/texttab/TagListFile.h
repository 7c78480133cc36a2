#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sys/TextCodec.h"

namespace tavor {

inline constexpr const char* kTextTagListFile = "TavorEditTagList.txt";
inline constexpr const char* kGridTagListFile = "TavorEdit2ATagList.txt";

// One TAG list file beside the executable: its lines, and the encoding to write them back in.
class TagListFile {
public:
    enum class Lines { All, NonBlank };

    explicit TagListFile(std::filesystem::path file) : file_(std::move(file)) {}

    const std::filesystem::path& path() const { return file_; }
    bool exists() const;

    // The file's lines (read at CR, LF or CR LF; a final break ends the last line), or nullopt
    // when the file is missing or cannot be read. Remembers the encoding it was read in.
    std::optional<std::vector<std::u16string>> load(Lines which);

    // Writes every item followed by CR LF, in the encoding the list was read in. Refuses (false)
    // when the file exists but could not be read, so that a list the program never saw is not
    // replaced by one it did not read from it.
    bool save(const std::vector<std::u16string>& items) const;

private:
    std::filesystem::path file_;
    std::optional<TextEncoding> encoding_;  // set once the file was read
    bool unreadable_ = false;
};

}  // namespace tavor
