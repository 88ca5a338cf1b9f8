#include "layout/LabelDatabase.h"

#include "platform/AppError.h"
#include "platform/FileIO.h"

#include <QCollator>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>

namespace lccd {
namespace {

const QString kTemplatesSubfolder = QStringLiteral("libglabels-3.0/templates");
const QString kPaperSizesFile = QStringLiteral("paper-sizes.xml");
const QString kCategoriesFile = QStringLiteral("categories.xml");

// Equivalents refer to each other at most this deep; deeper chains (and loops) are dropped.
constexpr int kMaxEquivalentDepth = 8;

QString productKey(const QString& brand, const QString& part) {
    return (brand + QLatin1Char(' ') + part).simplified().toCaseFolded();
}

QString skippedFileMessage(const QString& file, const QString& reason) {
    return QStringLiteral("ラベル用紙のファイル %1 を読めないため飛ばしました（%2）")
        .arg(file, reason);
}

// A file's content, or a message when it cannot be read at all.
LabelDatabaseFile readDatabaseFile(const QDir& folder, const QString& name, QStringList& messages) {
    const QString path = folder.filePath(name);
    try {
        return {path, readWholeFile(path)};
    } catch (const AppError& error) {
        messages.append(skippedFileMessage(path, error.message()));
        return {path, {}};
    }
}

// Reads one file with its reader; a malformed file adds its message and gives nothing.
template <typename Reader>
LabelFileContent readOrReport(const LabelDatabaseFile& file, Reader reader, QStringList& messages) {
    if (file.second.isEmpty())
        return {};
    LabelFileContent content = reader(file.second);
    if (!content.error.isEmpty())
        messages.append(skippedFileMessage(file.first, content.error));
    return content;
}

// Gives each equivalent the sheet and labels of the product it names (within its brand).
void addEquivalents(QList<LabelProduct>& products, const QList<LabelEquivalent>& equivalents) {
    QHash<QString, qsizetype> byName;
    for (qsizetype i = 0; i < products.size(); ++i)
        byName.insert(productKey(products[i].brand, products[i].part), i);
    QHash<QString, const LabelEquivalent*> pending;
    for (const LabelEquivalent& equivalent : equivalents)
        pending.insert(productKey(equivalent.brand, equivalent.part), &equivalent);

    for (const LabelEquivalent& equivalent : equivalents) {
        const QString key = productKey(equivalent.brand, equivalent.part);
        if (byName.contains(key))
            continue; // a product of its own of that name comes first
        const LabelEquivalent* step = &equivalent;
        for (int depth = 0; step && depth < kMaxEquivalentDepth; ++depth) {
            const QString target = productKey(step->brand, step->sameAs);
            if (const auto found = byName.constFind(target); found != byName.constEnd()) {
                LabelProduct product = products[*found];
                product.part = equivalent.part;
                byName.insert(key, products.size());
                products.append(std::move(product));
                break;
            }
            step = pending.value(target);
        }
    }
}

void sortByBrandAndPart(QList<LabelProduct>& products) {
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(products.begin(), products.end(),
                     [&](const LabelProduct& a, const LabelProduct& b) {
                         if (const int brand = collator.compare(a.brand, b.brand); brand != 0)
                             return brand < 0;
                         return collator.compare(a.part, b.part) < 0;
                     });
}

} // namespace

const LabelProduct* LabelDatabase::find(const QString& name) const {
    const QString wanted = name.simplified().toCaseFolded();
    for (const LabelProduct& product : products)
        if (productKey(product.brand, product.part) == wanted)
            return &product;
    return nullptr;
}

QString installedLabelTemplatesFolder() {
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, kTemplatesSubfolder,
                                  QStandardPaths::LocateDirectory);
}

LabelDatabase loadLabelDatabase(const QString& folderPath) {
    const QDir folder(folderPath);
    if (folderPath.isEmpty() || !folder.exists()) {
        LabelDatabase missing;
        missing.messages.append(QStringLiteral(
            "ラベル用紙のデータベースが見つかりません。Debian の glabels-data パッケージを"
            "入れてください（sudo apt install glabels-data）。"));
        return missing;
    }
    QStringList messages;
    const LabelDatabaseFile paperSizes = readDatabaseFile(folder, kPaperSizesFile, messages);
    const LabelDatabaseFile categories = readDatabaseFile(folder, kCategoriesFile, messages);
    QList<LabelDatabaseFile> templateFiles;
    for (const QString& name :
         folder.entryList({QStringLiteral("*-templates.xml")}, QDir::Files, QDir::Name))
        templateFiles.append(readDatabaseFile(folder, name, messages));
    LabelDatabase database = buildLabelDatabase(paperSizes, categories, templateFiles);
    database.messages = messages + database.messages;
    return database;
}

LabelDatabase buildLabelDatabase(const LabelDatabaseFile& paperSizes,
                                 const LabelDatabaseFile& categories,
                                 const QList<LabelDatabaseFile>& templateFiles) {
    LabelDatabase database;
    QHash<QString, LabelPaper> papers;
    for (const LabelPaper& paper :
         readOrReport(paperSizes, readLabelPaperSizes, database.messages).papers)
        papers.insert(paper.id, paper);
    database.categories =
        readOrReport(categories, readLabelCategories, database.messages).categories;

    QList<LabelEquivalent> equivalents;
    const auto readTemplates = [&](const QByteArray& xml) {
        return readLabelTemplates(xml, papers);
    };
    for (const LabelDatabaseFile& file : templateFiles) {
        LabelFileContent content = readOrReport(file, readTemplates, database.messages);
        database.products.append(std::move(content.products));
        equivalents.append(std::move(content.equivalents));
    }
    addEquivalents(database.products, equivalents);
    sortByBrandAndPart(database.products);
    return database;
}

bool matchesLabelSearch(const LabelProduct& product, const QString& search,
                        const QString& category) {
    if (category == kDiscCategory ? !product.isDiscProduct()
                                  : !category.isEmpty() && !product.categories.contains(category))
        return false;
    const QString text =
        product.brand + QLatin1Char(' ') + product.part + QLatin1Char(' ') + product.description;
    const QStringList words = search.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::all_of(words.begin(), words.end(), [&](const QString& word) {
        return text.contains(word, Qt::CaseInsensitive);
    });
}

QString labelCategoryCaption(const LabelCategory& category) {
    static const QHash<QString, QString> japanese = {
        {QStringLiteral("label"), QStringLiteral("ラベル")},
        {QStringLiteral("round-label"), QStringLiteral("丸ラベル")},
        {QStringLiteral("elliptical-label"), QStringLiteral("楕円ラベル")},
        {QStringLiteral("square-label"), QStringLiteral("正方形ラベル")},
        {QStringLiteral("rectangle-label"), QStringLiteral("長方形ラベル")},
        {QStringLiteral("card"), QStringLiteral("カード")},
        {QStringLiteral("business-card"), QStringLiteral("名刺")},
        {QStringLiteral("name-badge"), QStringLiteral("名札")},
        {kDiscCategory, QStringLiteral("CD/DVD（ラベル・トレイ）")},
        {QStringLiteral("mail"), QStringLiteral("宛名・配送ラベル")},
        {QStringLiteral("foldable"), QStringLiteral("二つ折りカード")},
        {QStringLiteral("photo"), QStringLiteral("写真用紙")},
        {QStringLiteral("filing"), QStringLiteral("ファイル用ラベル")},
    };
    return japanese.value(category.id, category.name.isEmpty() ? category.id : category.name);
}

} // namespace lccd
