#include "layout/LabelProductReader.h"

#include <QLocale>
#include <QXmlStreamReader>

#include <cmath>

namespace lccd {
namespace {

// Nothing on a label sheet is longer than this (millimetres); larger values are typing errors
// or hostile input.
constexpr double kMaxLength = 10000;

struct Unit {
    QLatin1StringView name;
    double millimetres;
};

constexpr Unit kUnits[] = {
    {QLatin1StringView("pt"), 25.4 / 72}, {QLatin1StringView("mm"), 1},
    {QLatin1StringView("in"), 25.4},      {QLatin1StringView("cm"), 10},
    {QLatin1StringView("pc"), 25.4 / 6},
};

std::optional<double> unitFactor(QStringView unit) {
    if (unit.isEmpty())
        return kUnits[0].millimetres; // a bare number is points
    for (const Unit& known : kUnits)
        if (unit == known.name)
            return known.millimetres;
    return std::nullopt;
}

QStringView attribute(const QXmlStreamReader& xml, QLatin1StringView name) {
    return xml.attributes().value(name);
}

std::optional<double> lengthAttribute(const QXmlStreamReader& xml, QLatin1StringView name) {
    return parseLabelLength(attribute(xml, name));
}

// A length that must be there and be positive.
std::optional<double> sizeAttribute(const QXmlStreamReader& xml, QLatin1StringView name) {
    const std::optional<double> length = lengthAttribute(xml, name);
    if (!length || *length <= 0)
        return std::nullopt;
    return length;
}

// A length that may be left out (then 0) but must be a length when given.
std::optional<double> optionalLength(const QXmlStreamReader& xml, QLatin1StringView name) {
    if (!xml.attributes().hasAttribute(name))
        return 0.0;
    return lengthAttribute(xml, name);
}

QString translatableAttribute(const QXmlStreamReader& xml, QLatin1StringView name) {
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView marked = attributes.value(QLatin1Char('_') + name);
    return (marked.isEmpty() ? attributes.value(name) : marked).toString();
}

// Reads up to the root element and checks its name.
bool enterRoot(QXmlStreamReader& xml, QLatin1StringView rootName, LabelFileContent& content) {
    if (xml.readNextStartElement() && xml.name() == rootName)
        return true;
    if (!xml.hasError())
        content.error =
            QStringLiteral("%1 行目: <%2> がありません").arg(xml.lineNumber()).arg(rootName);
    return false;
}

// Finishes a file: a syntax error anywhere makes the whole file unusable.
LabelFileContent finished(const QXmlStreamReader& xml, LabelFileContent content) {
    if (xml.hasError()) {
        LabelFileContent unusable;
        unusable.error = QStringLiteral("%1 行目: %2").arg(xml.lineNumber()).arg(xml.errorString());
        return unusable;
    }
    return content;
}

std::optional<LabelGrid> readGrid(const QXmlStreamReader& xml) {
    LabelGrid grid;
    bool nxOk = false;
    bool nyOk = false;
    grid.nx = attribute(xml, QLatin1StringView("nx")).trimmed().toInt(&nxOk);
    grid.ny = attribute(xml, QLatin1StringView("ny")).trimmed().toInt(&nyOk);
    if (!nxOk || !nyOk || grid.nx < 1 || grid.ny < 1 || grid.nx > kMaxLabelsPerSheet ||
        grid.ny > kMaxLabelsPerSheet || grid.nx * grid.ny > kMaxLabelsPerSheet)
        return std::nullopt;
    const std::optional<double> x0 = optionalLength(xml, QLatin1StringView("x0"));
    const std::optional<double> y0 = optionalLength(xml, QLatin1StringView("y0"));
    const std::optional<double> dx = optionalLength(xml, QLatin1StringView("dx"));
    const std::optional<double> dy = optionalLength(xml, QLatin1StringView("dy"));
    if (!x0 || !y0 || !dx || !dy)
        return std::nullopt;
    grid.x0 = *x0;
    grid.y0 = *y0;
    grid.dx = *dx;
    grid.dy = *dy;
    return grid;
}

// The shape attributes of a Label-* element; nothing for an unknown or unusable shape.
std::optional<LabelFrame> readShape(const QXmlStreamReader& xml) {
    LabelFrame frame;
    const QStringView name = xml.name();
    const std::optional<double> waste = optionalLength(xml, QLatin1StringView("waste"));
    if (!waste)
        return std::nullopt;
    frame.waste = *waste;
    if (name == QLatin1StringView("Label-rectangle")) {
        const std::optional<double> width = sizeAttribute(xml, QLatin1StringView("width"));
        const std::optional<double> height = sizeAttribute(xml, QLatin1StringView("height"));
        const std::optional<double> round = optionalLength(xml, QLatin1StringView("round"));
        if (!width || !height || !round || *round < 0)
            return std::nullopt;
        frame.shape = LabelShape::Rectangle;
        frame.size = QSizeF(*width, *height);
        frame.cornerRadius = std::min(*round, std::min(*width, *height) / 2);
    } else if (name == QLatin1StringView("Label-ellipse")) {
        const std::optional<double> width = sizeAttribute(xml, QLatin1StringView("width"));
        const std::optional<double> height = sizeAttribute(xml, QLatin1StringView("height"));
        if (!width || !height)
            return std::nullopt;
        frame.shape = LabelShape::Ellipse;
        frame.size = QSizeF(*width, *height);
    } else if (name == QLatin1StringView("Label-round") || name == QLatin1StringView("Label-cd")) {
        const std::optional<double> radius = sizeAttribute(xml, QLatin1StringView("radius"));
        if (!radius)
            return std::nullopt;
        frame.radius = *radius;
        frame.size = QSizeF(2 * *radius, 2 * *radius);
        frame.shape = LabelShape::Round;
        if (name == QLatin1StringView("Label-cd")) {
            const std::optional<double> hole = optionalLength(xml, QLatin1StringView("hole"));
            const std::optional<double> width = optionalLength(xml, QLatin1StringView("width"));
            const std::optional<double> height = optionalLength(xml, QLatin1StringView("height"));
            if (!hole || !width || !height || *hole < 0 || *hole >= *radius || *width < 0 ||
                *height < 0)
                return std::nullopt;
            frame.shape = LabelShape::Disc;
            frame.hole = *hole;
            // A clipped disc (business-card CDs) is as wide or high as given, never more than
            // the whole circle.
            if (*width > 0)
                frame.size.setWidth(std::min(*width, frame.size.width()));
            if (*height > 0)
                frame.size.setHeight(std::min(*height, frame.size.height()));
        }
    } else {
        return std::nullopt;
    }
    return frame;
}

// A Label-* element with its Layout children; the reader ends on its end tag.
std::optional<LabelFrame> readFrame(QXmlStreamReader& xml) {
    std::optional<LabelFrame> frame = readShape(xml);
    int labels = 0;
    bool gridsUsable = true;
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("Layout")) {
            const std::optional<LabelGrid> grid = readGrid(xml);
            if (grid && labels + grid->nx * grid->ny <= kMaxLabelsPerSheet && frame) {
                labels += grid->nx * grid->ny;
                frame->grids.append(*grid);
            } else {
                gridsUsable = false;
            }
        }
        xml.skipCurrentElement();
    }
    if (!frame || !gridsUsable || frame->grids.isEmpty())
        return std::nullopt;
    return frame;
}

// The sheet of a template: a paper of the database by id, or "Other" with its own size.
bool readSheet(const QXmlStreamReader& xml, const QHash<QString, LabelPaper>& papers,
               LabelProduct& product) {
    product.paperId = attribute(xml, QLatin1StringView("size")).toString();
    if (product.paperId == QLatin1String("Other")) {
        const std::optional<double> width = sizeAttribute(xml, QLatin1StringView("width"));
        const std::optional<double> height = sizeAttribute(xml, QLatin1StringView("height"));
        if (!width || !height)
            return false;
        product.sheetSize = QSizeF(*width, *height);
        product.paperName =
            QStringLiteral("%1 × %2 mm")
                .arg(QLocale::c().toString(*width, 'f', 1), QLocale::c().toString(*height, 'f', 1));
        return true;
    }
    const auto paper = papers.constFind(product.paperId);
    if (paper == papers.constEnd())
        return false;
    product.sheetSize = paper->size;
    product.paperName = paper->name;
    return true;
}

// One Template element; the reader ends on its end tag.
void readTemplate(QXmlStreamReader& xml, const QHash<QString, LabelPaper>& papers,
                  LabelFileContent& content) {
    LabelProduct product;
    product.brand = attribute(xml, QLatin1StringView("brand")).trimmed().toString();
    product.part = attribute(xml, QLatin1StringView("part")).trimmed().toString();
    const QString sameAs = attribute(xml, QLatin1StringView("equiv")).trimmed().toString();
    if (!sameAs.isEmpty() && !product.brand.isEmpty() && !product.part.isEmpty()) {
        content.equivalents.append({product.brand, product.part, sameAs});
        xml.skipCurrentElement();
        return;
    }
    product.description = translatableAttribute(xml, QLatin1StringView("description"));
    bool usable =
        !product.brand.isEmpty() && !product.part.isEmpty() && readSheet(xml, papers, product);
    bool hasFrame = false;
    while (xml.readNextStartElement()) {
        const QStringView name = xml.name();
        if (name == QLatin1StringView("Meta")) {
            const QStringView category = attribute(xml, QLatin1StringView("category"));
            if (!category.isEmpty())
                product.categories.append(category.toString());
        } else if (name.startsWith(QLatin1StringView("Label-")) && !hasFrame) {
            std::optional<LabelFrame> frame = readFrame(xml);
            if (frame) {
                product.frame = std::move(*frame);
                hasFrame = true;
            }
            continue; // readFrame stopped on the element's end tag
        }
        xml.skipCurrentElement();
    }
    if (usable && hasFrame)
        content.products.append(std::move(product));
    else
        ++content.skippedProducts;
}

} // namespace

std::optional<double> parseLabelLength(QStringView text) {
    text = text.trimmed();
    qsizetype numberEnd = text.size();
    while (numberEnd > 0 && text[numberEnd - 1].isLetter())
        --numberEnd;
    const std::optional<double> factor = unitFactor(text.sliced(numberEnd));
    if (!factor)
        return std::nullopt;
    bool ok = false;
    const double number = QLocale::c().toDouble(text.first(numberEnd).trimmed(), &ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    const double millimetres = number * *factor;
    if (std::abs(millimetres) > kMaxLength)
        return std::nullopt;
    return millimetres;
}

LabelFileContent readLabelTemplates(const QByteArray& text,
                                    const QHash<QString, LabelPaper>& papers) {
    QXmlStreamReader xml(text);
    LabelFileContent content;
    if (!enterRoot(xml, QLatin1StringView("Glabels-templates"), content))
        return finished(xml, content);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("Template"))
            readTemplate(xml, papers, content);
        else
            xml.skipCurrentElement();
    }
    return finished(xml, content);
}

LabelFileContent readLabelPaperSizes(const QByteArray& text) {
    QXmlStreamReader xml(text);
    LabelFileContent content;
    if (!enterRoot(xml, QLatin1StringView("Glabels-paper-sizes"), content))
        return finished(xml, content);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("Paper-size")) {
            const QString id = attribute(xml, QLatin1StringView("id")).toString();
            const std::optional<double> width = sizeAttribute(xml, QLatin1StringView("width"));
            const std::optional<double> height = sizeAttribute(xml, QLatin1StringView("height"));
            if (!id.isEmpty() && width && height)
                content.papers.append({id, translatableAttribute(xml, QLatin1StringView("name")),
                                       QSizeF(*width, *height)});
        }
        xml.skipCurrentElement();
    }
    return finished(xml, content);
}

LabelFileContent readLabelCategories(const QByteArray& text) {
    QXmlStreamReader xml(text);
    LabelFileContent content;
    if (!enterRoot(xml, QLatin1StringView("Glabels-categories"), content))
        return finished(xml, content);
    while (xml.readNextStartElement()) {
        if (xml.name() == QLatin1StringView("Category")) {
            const QString id = attribute(xml, QLatin1StringView("id")).toString();
            if (!id.isEmpty())
                content.categories.append(
                    {id, translatableAttribute(xml, QLatin1StringView("name"))});
        }
        xml.skipCurrentElement();
    }
    return finished(xml, content);
}

} // namespace lccd
