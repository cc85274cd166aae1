#pragma once
// The line project file of the desktop program: opening one into the line-data dialog,
// saving the dialog's state, and whether the set-up still is what was saved.

#include "model/FieldProfile.h"
#include "project/ProjectFile.h"

#include <QString>

#include <string>

namespace velt {

class VeltApplication;

class ProjectDocument {
  public:
    explicit ProjectDocument(VeltApplication& app) : app_(app) {}

    /// Loads `path` as velt-calc loads it and shows the line in the line-data dialog and
    /// its companions, accepted. A file that cannot be read or is refused shows its
    /// message and leaves the set-up as it was.
    bool open(const QString& path);
    /// Whether the set-up makes a project that opens again; if not, says why.
    bool savable();
    /// Writes the set-up to `path` when it is savable; a failure is shown and leaves an
    /// earlier file whole.
    bool saveAs(const QString& path);

    /// The file last opened or saved; empty before.
    const QString& path() const { return path_; }
    /// Whether the set-up differs from the file last opened or saved.
    bool modified();
    /// The main window's caption: `base`, the file name and "*" while modified.
    QString title(const QString& base);

    /// The calculation's answers: those of the file, then those of the last completed
    /// calculation.
    const CalculationAnswers& answers() const { return answers_; }
    /// A completed calculation: its range, comment and drawing range become the answers, so
    /// that a saved project computes it again in either program.
    void takeCalculation(const FieldProfile& profile);

    /// The project file of the set-up as it stands.
    std::string currentText();

  private:
    /// Whether `text` loads as opening would load it; if not, says why.
    bool opensAgain(const std::string& text);

    VeltApplication& app_;
    QString path_;
    std::string savedText_;
    CalculationAnswers answers_;
};

} // namespace velt
