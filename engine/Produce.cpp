#include "Tools.h"

namespace Tools {

namespace {

// Kilojoules to watt-hours, held in extended precision so that the product with the
// table's kJ value rounds to the same double as the decimal product.
constexpr long double KilojoulesToWattHours = 0.277L;

}  // namespace

ProduceData GetProduceData(std::string_view name)
{
    long double specificHeat = 0.0L;
    ProduceData data;
    for (const ProduceRow& row : ProduceTable) {
        if (row.Name == name) {
            specificHeat = row.SpecificHeat;
            data.RespirationHeat = row.RespirationHeat;
            data.StorageTemperature = row.StorageTemperature;
            break;
        }
    }
    data.SpecificHeat = static_cast<double>(specificHeat * KilojoulesToWattHours);
    return data;
}

}  // namespace Tools
