#pragma once

#include "disc/DiscLabelPlacement.h"
#include "layout/LabelDatabase.h"
#include "render/PaperTable.h"

#include <optional>

class QWidget;

namespace lccd {

class DialogAdapter;

// The label products installed on this computer, read from the folder when they are first
// needed (reading them all takes a noticeable moment) and kept from then on.
class LabelLibrary {
public:
    explicit LabelLibrary(QString folder) : folder_(std::move(folder)) {}

    const LabelDatabase& database();

private:
    QString folder_;
    std::optional<LabelDatabase> database_;
};

// What the product of that name ("BRAND PART") adds to a disc's label layout with the printer's
// papers, with the centres of all its labels; nothing when the database has no such product.
std::optional<DiscLabelSheet> discLabelSheet(const LabelDatabase& database,
                                             const TPaperInfos& papers, const QString& name);

// The label product chooser of the CD list options: the label sheet dialog on the CD/DVD
// products, the current one (empty for none) selected. Gives the name chosen, or nothing when
// the user cancels.
std::optional<QString> chooseDiscLabelProduct(const LabelDatabase& database,
                                              const TPaperInfos& papers, DialogAdapter& dialogs,
                                              QWidget* parent, const QString& current);

} // namespace lccd
