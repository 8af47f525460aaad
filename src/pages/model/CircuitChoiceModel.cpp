#include "pages/model/CircuitChoiceModel.h"

namespace orvan {

CircuitChoiceModel::CircuitChoiceModel(const Register& image, const CircuitChoicePage& page)
    : page_(page) {
    for (const CircuitChoiceRow& row : page_.rows)
        rows_.push_back(BindCircuitChoices(image, row));
}

ChoiceCode& CircuitChoiceModel::Choice(std::size_t row, std::size_t circuit) {
    return rows_.at(row).at(circuit).value;
}

const ChoiceCode& CircuitChoiceModel::Choice(std::size_t row, std::size_t circuit) const {
    return rows_.at(row).at(circuit).value;
}

void CircuitChoiceModel::Commit(Register& image) const {
    CommitBindings(image, rows_);
}

std::vector<NamedSetting> CircuitChoiceModel::Settings() const {
    return ListSettings(page_.title, rows_);
}

}  // namespace orvan
