#include "systemclipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>
#include <QMimeData>

void SystemClipboard::put(const std::string& text, const std::string& html) {
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(text));
    data->setHtml(QString::fromStdString(html));
    QGuiApplication::clipboard()->setMimeData(data);
}

std::string SystemClipboard::text() { return QGuiApplication::clipboard()->text().toStdString(); }

TableWriter::Options SystemClipboard::options() {
    TableWriter::Options o;
    o.decimalComma = QLocale::system().decimalPoint() == QStringLiteral(",");
    return o;
}
