#include "result_file.h"

#include "data/messages.h"
#include "data/text_bytes.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QSaveFile>

namespace velmira {

std::optional<QString> chooseResultFile(QWidget *parent, const QByteArray &proposedName)
{
    QFileDialog Save(parent);
    Save.setObjectName(QStringLiteral("Save"));
    Save.setAcceptMode(QFileDialog::AcceptSave);
    Save.setOption(QFileDialog::DontUseNativeDialog);
    Save.setDefaultSuffix(QStringLiteral("TXT"));
    // The pupil's own folder, never the installation's.
    Save.setDirectory(QDir::homePath());
    Save.selectFile(displayText(proposedName));
    if (Save.exec() != QDialog::Accepted || Save.selectedFiles().isEmpty())
        return std::nullopt;
    return Save.selectedFiles().constFirst();
}

bool writeResultFile(const QString &fileName, const QByteArray &text)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        reportFileError(FileError(QFile::encodeName(fileName), file.errorString()));
        return false;
    }
    return true;
}

} // namespace velmira
