#include "ui/DocumentPages.h"

#include <QBuffer>
#include <QDate>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <algorithm>
#include <variant>

#include "core/NumberText.h"
#include "reports/LineBreaking.h"
#include "ui/DrawingSurface.h"
#include "ui/Fonts.h"
#include "ui/Twips.h"

namespace ui {
namespace {

// The layout measures in pixels of 1/96 inch, the unit the windows paint the
// drawings in, so a drawing comes out on paper as large as on the screen.
constexpr int kResolution = 96;
const QMarginsF kMarginsMillimetres(18, 12, 15, 12);

constexpr double kColumnGap = 6;
constexpr double kGroupGap = 28;  // after a column that ends a group
constexpr double kBlockGap = 4;
constexpr double kSectionGap = 12;
constexpr double kHangingIndent = 24;  // of the lines a long text line goes on in

QString qs(const std::string& text) { return QString::fromStdString(text); }

// Cuts a text to the width, marking the cut with "...".
QString cutToWidth(const QString& text, const QFontMetricsF& metrics, double width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut + "...") > width) cut.chop(1);
    return cut + "...";
}

// Places the blocks one below the other and starts a new page when the next
// one does not fit. Run once without a painter to count the pages, then with
// one to paint them, "Strana X od Y" included.
class PageLayout {
public:
    PageLayout(QPagedPaintDevice& device, const reports::CalculationDocument& document, QPainter* painter,
               int pageCount)
        : device_(device),
          document_(document),
          painter_(painter),
          pageCount_(pageCount),
          width_(device.width()),
          height_(device.height()) {}

    int run() {
        startPage();
        title();
        blocks(document_.project);
        for (const reports::Section& section : document_.sections) this->section(section);
        return page_;
    }

private:
    QFontMetricsF metrics(const QFont& font) const { return QFontMetricsF(font, &device_); }

    void text(const QFont& font, double x, double y, const QString& text, const QColor& colour = Qt::black) {
        if (!painter_) return;
        painter_->setFont(font);
        painter_->setPen(colour);
        painter_->drawText(QPointF(x, y + metrics(font).ascent()), text);
    }

    void startPage() {
        const QFont bold = uiFont(8, true);
        const QFont plain = uiFont(8);
        const double line = metrics(plain).lineSpacing();
        const reports::DocumentHeader& h = document_.header;
        const QString pageText = QStringLiteral("Strana %1 od %2").arg(page_).arg(pageCount_);
        text(bold, 0, 0, qs(h.program));
        const QString date = QStringLiteral("Datum: ") + qs(h.date);
        text(plain, (width_ - metrics(plain).horizontalAdvance(date)) / 2, 0, date);
        text(plain, width_ - metrics(plain).horizontalAdvance(pageText), 0, pageText);
        const struct {
            const char* label;
            const std::string& value;
            double from, to;  // share of the width
        } project[] = {{"Projekat: ", h.project.projekat, 0, 0.4},
                       {"Element: ", h.project.element, 0.4, 0.7},
                       {"Projektant: ", h.project.projektant, 0.7, 1}};
        for (const auto& p : project) {
            const double slot = (p.to - p.from) * width_ - kColumnGap;
            text(plain, p.from * width_, line, cutToWidth(p.label + qs(p.value), metrics(plain), slot));
        }
        const double rule = 2 * line + 3;
        if (painter_) {
            painter_->setPen(QPen(Qt::black, 0.75));
            painter_->drawLine(QPointF(0, rule), QPointF(width_, rule));
        }
        y_ = rule + 10;
        pageTop_ = y_;
    }

    // Moves to a new page unless the height fits below what is already there.
    void makeRoom(double height) {
        if (y_ + height <= height_ || y_ == pageTop_) return;
        if (painter_) device_.newPage();
        ++page_;
        startPage();
    }

    void title() {
        const QFont font = uiFont(13, true);
        const QString t = qs(document_.title);
        text(font, (width_ - metrics(font).horizontalAdvance(t)) / 2, y_, t);
        y_ += metrics(font).lineSpacing() + 2;
    }

    void section(const reports::Section& section) {
        const QFont font = uiFont(10.5, true);
        const double titleHeight = metrics(font).lineSpacing() + kBlockGap;
        // A title stays with the first block under it.
        const double first = section.blocks.empty() ? 0 : height(section.blocks.front());
        y_ += kSectionGap;
        makeRoom(titleHeight + first);
        text(font, 0, y_, qs(section.title));
        y_ += titleHeight;
        blocks(section.blocks);
    }

    void blocks(const std::vector<reports::Block>& blocks) {
        for (const reports::Block& block : blocks) {
            const double h = height(block);
            makeRoom(h);
            paint(block, h);
            y_ += h + kBlockGap;
        }
    }

    double height(const reports::Block& block) const {
        return std::visit([this](const auto& b) { return heightOf(b); }, block);
    }

    void paint(const reports::Block& block, double h) {
        std::visit([this, h](const auto& b) { paintAt(b, h); }, block);
    }

    // --- tables: cells in columns as wide as their widest cell, as the table aligns and groups them

    static reports::Column column(const reports::Table& t, size_t i) {
        return i < t.columns.size() ? t.columns[i] : reports::Column{};
    }

    static bool standsRight(reports::Align align, const std::string& cell) {
        switch (align) {
        case reports::Align::Left: return false;
        case reports::Align::Right: return true;
        case reports::Align::NumbersRight: return core::isNumberText(cell) || cell == core::kUndefinedText;
        }
        return false;
    }

    std::vector<double> columnWidths(const reports::Table& t) const {
        const QFontMetricsF m = metrics(uiFont(9));
        std::vector<double> widths;
        for (const auto& row : t.rows) {
            if (widths.size() < row.size()) widths.resize(row.size(), 0);
            for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], m.horizontalAdvance(qs(row[i])));
        }
        return widths;
    }

    double heightOf(const reports::Table& t) const {
        return static_cast<double>(t.rows.size()) * metrics(uiFont(9)).lineSpacing();
    }

    void paintAt(const reports::Table& t, double) {
        const QFont font = uiFont(9);
        const QFontMetricsF m = metrics(font);
        const std::vector<double> widths = columnWidths(t);
        double y = y_;
        for (const auto& row : t.rows) {
            double x = 0;
            for (size_t i = 0; i < row.size(); ++i) {
                const QString cell = qs(row[i]);
                const reports::Column c = column(t, i);
                text(font, standsRight(c.align, row[i]) ? x + widths[i] - m.horizontalAdvance(cell) : x, y, cell);
                x += widths[i] + (c.endsGroup ? kGroupGap : kColumnGap);
            }
            y += m.lineSpacing();
        }
    }

    // --- one line, going on under itself, indented, where it would run past the margin

    std::vector<std::string> linesOf(const reports::TextLine& line) const {
        const QFontMetricsF m = metrics(uiFont(9, line.bold));
        auto measure = [&m](std::string_view piece) {
            return m.horizontalAdvance(QString::fromUtf8(piece.data(), static_cast<qsizetype>(piece.size())));
        };
        return reports::brokenLines(line.text, width_, kHangingIndent, measure);
    }

    double heightOf(const reports::TextLine& line) const {
        return static_cast<double>(linesOf(line).size()) * metrics(uiFont(9)).lineSpacing();
    }

    void paintAt(const reports::TextLine& line, double) {
        const QFont font = uiFont(9, line.bold);
        const double spacing = metrics(uiFont(9)).lineSpacing();
        const std::vector<std::string> lines = linesOf(line);
        for (size_t i = 0; i < lines.size(); ++i) {
            text(font, i == 0 ? 0 : kHangingIndent, y_ + static_cast<double>(i) * spacing, qs(lines[i]));
        }
    }

    // --- sentences broken into lines

    QRectF paragraphRect(const reports::Paragraph& p) const {
        return metrics(uiFont(9)).boundingRect(QRectF(0, 0, width_, height_), Qt::TextWordWrap, qs(p.text));
    }

    double heightOf(const reports::Paragraph& p) const { return paragraphRect(p).height(); }

    void paintAt(const reports::Paragraph& p, double h) {
        if (!painter_) return;
        painter_->setFont(uiFont(9));
        painter_->setPen(Qt::black);
        painter_->drawText(QRectF(0, y_, width_, h), Qt::TextWordWrap, qs(p.text));
    }

    // --- drawings, at the windows' size, framed as the windows frame them

    static QSizeF sizeOf(const reports::Figure& f) {
        return {f.widthTwips / kTwipsPerPixel, f.heightTwips / kTwipsPerPixel};
    }

    double heightOf(const reports::Figure& f) const {
        return sizeOf(f).height() + kBlockGap + metrics(uiFont(8)).lineSpacing();
    }

    void paintFigure(const reports::Figure& f, QPointF topLeft) {
        if (!painter_) return;
        const QRectF area(topLeft, sizeOf(f));
        painter_->save();
        painter_->setClipRect(area);
        painter_->translate(topLeft);
        paintDrawing(*painter_, f.drawing, Qt::black);
        painter_->restore();
        painter_->setPen(QPen(Qt::darkGray, 0.75));
        painter_->setBrush(Qt::NoBrush);
        painter_->drawRect(area);
        const QFont font = uiFont(8);
        const QString caption = qs(f.caption);
        text(font, area.center().x() - metrics(font).horizontalAdvance(caption) / 2, area.bottom() + kBlockGap, caption);
    }

    void paintAt(const reports::Figure& f, double) {
        paintFigure(f, QPointF((width_ - sizeOf(f).width()) / 2, y_));
    }

    double heightOf(const reports::TableBesideFigure& tf) const {
        return std::max(heightOf(tf.table), heightOf(tf.figure));
    }

    void paintAt(const reports::TableBesideFigure& tf, double h) {
        paintAt(tf.table, h);
        paintFigure(tf.figure, QPointF(width_ - sizeOf(tf.figure).width(), y_));
    }

    QPagedPaintDevice& device_;
    const reports::CalculationDocument& document_;
    QPainter* painter_;
    int pageCount_;
    double width_;
    double height_;
    double y_ = 0;
    double pageTop_ = 0;
    int page_ = 1;
};

void setUpPages(QPagedPaintDevice& device) {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMarginsMillimetres,
                                     QPageLayout::Millimeter));
}

int paintPages(QPagedPaintDevice& device, const reports::CalculationDocument& document) {
    const int pages = PageLayout(device, document, nullptr, 0).run();
    QPainter painter(&device);
    painter.setRenderHint(QPainter::Antialiasing);
    PageLayout(device, document, &painter, pages).run();
    return pages;
}

}  // namespace

reports::DocumentHeader documentHeader(const core::ProjectData& project) {
    const QString program = QStringLiteral("prednaprezanje %1.%2.%3")
                                .arg(PREDNAPREZANJE_VERSION_MAJOR)
                                .arg(PREDNAPREZANJE_VERSION_MINOR)
                                .arg(PREDNAPREZANJE_VERSION_PATCH);
    return {program.toStdString(), QDate::currentDate().toString("dd.MM.yyyy").toStdString(), project};
}

void preparePrinter(QPrinter& printer) {
    printer.setResolution(kResolution);
    setUpPages(printer);
    printer.setDocName("Proracun prethodno napregnutog preseka");
}

int printDocument(QPrinter& printer, const reports::CalculationDocument& document) {
    // The printer chosen in the print dialog brings its own resolution.
    printer.setResolution(kResolution);
    return paintPages(printer, document);
}

QByteArray documentPdf(const reports::CalculationDocument& document) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        setUpPages(writer);
        writer.setTitle(qs(document.title));
        writer.setCreator(qs(document.header.program));
        paintPages(writer, document);
    }
    return bytes;
}

}  // namespace ui
