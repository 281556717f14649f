#include "publish/web_album.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include "base/front_end.h"
#include "base/progress.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "base/text_rules.h"
#include "imaging/decode_ahead.h"
#include "imaging/jpeg_writer.h"
#include "imaging/open_file.h"
#include "platform/debug_log.h"
#include "platform/path_text.h"
#include "platform/picture_finder.h"
#include "publish/html_pages.h"
#include "publish/html_text.h"
#include "publish/web_names.h"
#include "publish/web_pictures.h"
#include "store/database.h"

namespace {

constexpr const char* kLineBreak = "<BR>";
// When, Where and Description with their "<BR>"s say nothing up to this many characters.
constexpr size_t kEmptyCaptionLength = 13;

// A record as the pages need it, read before its picture is decoded.
struct CWebRecord {
  std::string id;
  std::string caption;
  std::string stored_path;
  std::string file;    // the picture file found; empty when there is none
  std::string reason;  // why there is none
};

// The log of the records left out and of the warnings of those on the pages.
class CWebAlbumLog {
 public:
  void LeftOut(const CWebRecord& record, const std::string& reason) {
    left_out_ += Line(record, reason);
  }
  void Warned(const CWebRecord& record, const std::vector<CDecodeMessage>& messages) {
    for (const CDecodeMessage& message : messages) warnings_ += Line(record, message.text);
  }
  // Empty when nothing was left out and nothing warned.
  std::string Text(int on_pages, int records) const {
    if (left_out_.empty() && warnings_.empty()) return {};
    std::string text;
    if (!left_out_.empty()) text += kWebLogHeading + left_out_;
    if (!warnings_.empty()) {
      if (!text.empty()) text += "\r\n";
      text += kWebLogWarningsHeading + warnings_;
    }
    return text + StringPrintf(kWebLogSummaryFormat, on_pages, records);
  }

 private:
  static std::string Line(const CWebRecord& record, const std::string& text) {
    return StringPrintf(kWebLogLineFormat, record.id.c_str(), record.stored_path.c_str(),
                        text.c_str());
  }
  std::string left_out_;
  std::string warnings_;
};

void Tell(CFrontEnd& front_end, const char* format, const std::string& path,
          const std::string& reason) {
  front_end.ShowMessage(StringPrintf(format, path.c_str(), reason.c_str()), MsgButtons::kOk,
                        MsgIcon::kError);
}

// The folder, made when it is missing; false (after a message) when there is none.
bool MakeFolder(const std::string& folder, CFrontEnd& front_end) {
  std::error_code error;
  std::filesystem::create_directory(folder, error);
  if (std::filesystem::is_directory(folder)) return true;
  if (!error) error = std::make_error_code(std::errc::not_a_directory);
  Tell(front_end, kMsgWebFolderNotMadeFormat, folder, error.message());
  return false;
}

COpenFile CreatePage(const std::string& path, CFrontEnd& front_end) {
  COpenFile file(std::fopen(path.c_str(), "w"));
  if (!file) Tell(front_end, kMsgWebPageNotCreatedFormat, path, std::strerror(errno));
  return file;
}

// Writes the page's text and closes it; false (after a message) when it did not all arrive.
bool FinishPage(COpenFile file, const std::string& text, const std::string& path,
                CFrontEnd& front_end) {
  errno = 0;
  bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
  written = std::fclose(file.release()) == 0 && written;
  if (!written) {
    Tell(front_end, kMsgWebPageNotWrittenFormat, path,
         errno != 0 ? std::strerror(errno) : "write error");
  }
  return written;
}

std::vector<CWebRecord> ReadRecords(const std::vector<int32_t>& records, Cdatabase& store,
                                    CPictureFinder& finder) {
  std::vector<CWebRecord> read;
  read.reserve(records.size());
  for (const int32_t number : records) {
    CWebRecord& record = read.emplace_back();
    store.GoToRecord(number);
    if (!store.status().ok()) {
      record.id = std::to_string(number);
      record.reason = store.status().message();
      continue;
    }
    record.id = store.fields[kFieldId];
    record.caption = AlbumCaption(record.id, store.fields[kFieldWhen], store.fields[kFieldWhere],
                                  store.fields[kFieldDescription]);
    record.stored_path = store.image_path;
    if (std::optional<std::string> file =
            finder.FindPictureFile(store.image_path, store.volume_label)) {
      record.file = std::move(*file);
    } else if (finder.Offline()) {
      record.reason = StringPrintf(kWebReasonMediumAwayFormat, store.volume_label.c_str());
    } else {
      record.reason = kWebReasonNotFound;
    }
  }
  return read;
}

// The first message of a decode that failed, after the reason.
std::string NotDecodedReason(const CWebPictures& pictures) {
  std::string reason = kWebReasonNotDecoded;
  if (!pictures.messages.empty()) reason += ": " + pictures.messages.front().text;
  return reason;
}

}  // namespace

std::string HtmlFolderOf(const std::string& main_file) {
  const std::filesystem::path index = std::filesystem::absolute(main_file).lexically_normal();
  return JoinPath(index.parent_path().string(), kHtmlFolderName);
}

std::string AlbumCaption(const std::string& id, const std::string& when, const std::string& where,
                         const std::string& description) {
  const std::string texts = when + kLineBreak + where + kLineBreak + description + kLineBreak;
  if (CharacterCount(DisplayText(texts)) <= kEmptyCaptionLength) return HtmlText(id) + kLineBreak;
  return HtmlText(when) + kLineBreak + HtmlText(where) + kLineBreak + HtmlText(description) +
         kLineBreak;
}

CWebAlbumResult WriteWebAlbum(const CWebAlbumRequest& request, Cdatabase& store,
                              CPictureFinder& finder, CFrontEnd& front_end,
                              const CDebugLog& trace) {
  CWebAlbumResult result;
  result.html_folder = HtmlFolderOf(store.main_file());
  const std::string image_folder = JoinPath(result.html_folder, kImageFolderName);
  result.thumbnail_page = JoinPath(result.html_folder, ThumbnailPageName(request.run));
  result.album_page = JoinPath(result.html_folder, AlbumPageName(request.run));

  if (!MakeFolder(result.html_folder, front_end) || !MakeFolder(image_folder, front_end)) {
    return result;
  }
  trace.Write("WEB_TP4 " + result.html_folder + " " + image_folder);
  COpenFile album_file = CreatePage(result.album_page, front_end);
  if (!album_file) return result;
  COpenFile thumbnail_file = CreatePage(result.thumbnail_page, front_end);
  if (!thumbnail_file) return result;

  CHtml pages(AlbumPageName(request.run), ThumbnailPageName(request.run));
  pages.AlbumStart(request.title);
  pages.ThumbnailStart(request.title);

  const std::vector<CWebRecord> records = ReadRecords(request.records, store, finder);
  const bool resize_full = request.resize_full;
  CDecodeAhead<CWebPictures> decoder(
      records.size(),
      [&records, resize_full](size_t index) {
        if (records[index].file.empty()) return CWebPictures();
        return DecodeWebPictures(records[index].file, resize_full);
      },
      request.use_worker);

  CWebAlbumLog log;
  CProgress progress(front_end);
  progress.Start(kTitleGeneratingWebPages, static_cast<int>(records.size()));
  for (size_t k = 0; k < records.size(); ++k) {
    const CWebRecord& record = records[k];
    progress.Step(static_cast<int>(k) + 1);
    if (record.file.empty()) {
      decoder.Skip(k);
      log.LeftOut(record, record.reason);
    } else {
      trace.Write("WEB_TP8 " + record.file);
      const CWebPictures pictures = decoder.Take(k);
      trace.Write("WEB_TP9");
      const std::string full = JoinPath(image_folder, FullPictureName(record.id));
      const std::string album = JoinPath(image_folder, AlbumPictureName(record.id));
      const std::string thumbnail = JoinPath(image_folder, ThumbnailPictureName(record.id));
      if (!pictures.loaded) {
        log.LeftOut(record, NotDecodedReason(pictures));
      } else {
        trace.Write("WEB_TP10");
        bool saved = SaveJpeg(pictures.full, full, request.jpeg_quality, nullptr);
        trace.Write("WEB_TP11");
        trace.Write("WEB_TP12");
        saved = saved && SaveJpeg(pictures.album, album, request.jpeg_quality, nullptr);
        trace.Write("WEB_TP13");
        trace.Write("WEB_TP14");
        saved = saved && SaveJpeg(pictures.thumbnail, thumbnail, request.jpeg_quality, nullptr);
        trace.Write("WEB_TP15");
        if (!saved) {
          log.LeftOut(record, StringPrintf(kWebReasonNotWrittenFormat, image_folder.c_str()));
        } else {
          pages.SetBigPicture(pictures.full.Width(), pictures.full.Height());
          pages.AlbumPicture(album, record.caption, pictures.album.Width());
          pages.Thumbnail(thumbnail, HtmlText(record.id), pictures.thumbnail.Width());
          ++result.pictures;
          log.Warned(record, pictures.messages);
        }
      }
    }
    if (progress.Aborted()) break;
  }
  pages.AlbumEnd();
  pages.ThumbnailEnd();
  progress.Close();

  const bool album_written =
      FinishPage(std::move(album_file), pages.AlbumText(), result.album_page, front_end);
  const bool thumbnails_written = FinishPage(std::move(thumbnail_file), pages.ThumbnailText(),
                                             result.thumbnail_page, front_end);
  result.pages_written = album_written && thumbnails_written;
  result.log = log.Text(result.pictures, static_cast<int>(records.size()));
  trace.Write("WEB_TP16");
  return result;
}
