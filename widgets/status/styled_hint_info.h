#pragma once

#include <QImage>
#include <string>
#include <utility>
#include <vector>

#include "framework/raster/canvas.h"

namespace bitcalc::widgets {

// A picture kept as the bytes of its file, exactly as stored. Nothing is
// decoded ahead of time: every size query and every drawing decodes the bytes
// afresh, so a hint costs nothing until it shows.
class TEncodedPicture {
 public:
  void LoadFromBytes(std::string bytes) { bytes_ = std::move(bytes); }
  void Clear() { bytes_.clear(); }

  // The decoded picture; null when the bytes are not a picture.
  QImage Decode() const;
  // 0 x 0 when the bytes are not a picture.
  framework::TSize Size() const;
  // Draws the picture at its natural size and returns that size (0 x 0 when
  // the bytes are not a picture). A Windows bitmap leaves out every pixel of
  // its bottom-left pixel's colour; other formats blend by their own alpha
  // channel.
  framework::TSize Draw(framework::TCanvas& canvas, int x, int y) const;

  friend bool operator==(const TEncodedPicture&, const TEncodedPicture&) = default;

 private:
  std::string bytes_;
};

// The content of one styled hint. Copying copies everything, the picture's
// bytes included.
struct TStyledHintInfo {
  std::string Title;               // drawn bold on the first line
  std::vector<std::string> Notes;  // body lines, each word-wrapped
  TEncodedPicture Picture;         // drawn left of the notes
  bool ShowHelp = false;           // end with the hint component's help line

  // The notes as one text, lines joined by CR LF, without a final break.
  std::string NotesText() const;
  // Replaces the notes by the lines of text (split at CR LF, CR or LF).
  void SetNotesText(const std::string& text);

  friend bool operator==(const TStyledHintInfo&, const TStyledHintInfo&) = default;
};

// A control that publishes a styled hint under the name OfficeHint. The
// office hint looks for it on whatever control a hint is about.
class TOfficeHintPublisher {
 public:
  virtual const TStyledHintInfo& OfficeHint() const = 0;

 protected:
  ~TOfficeHintPublisher() = default;
};

}  // namespace bitcalc::widgets
