#include "R4000System.h"

#include "DefaultExchange.h"
#include "DefaultStation.h"
#include "R4100EX.h"
#include "R4100MI.h"
#include "R4100MS.h"
#include "R4120EX.h"
#include "R4120MS.h"
#include "R4121MS.h"
#include "R4130MS.h"
#include "R4142MS.h"
#include "R4160DS.h"
#include "R4700MS.h"
#include "R4700MS_Station.h"
#include "R4720MS.h"
#include "R4720MS_Station.h"
#include "R4760DS.h"
#include "R4760DS_Station.h"

namespace {

template <class T> std::unique_ptr<Station> makeStation(StationImpl& settings, System& system)
{
    return std::make_unique<T>(settings, system);
}

template <class T> std::unique_ptr<Exchange> makeExchange(ExchangeImpl& record, System& system)
{
    return std::make_unique<T>(record, system);
}

} // namespace

R4000System::R4000System(Locale locale) : System(std::move(locale))
{
    StaManager& stations = staManagerForRegistration();
    stations.registerModel("NONE", makeStation<DefaultStation>);
    stations.registerModel("R-4100MS", makeStation<R4100MS>);
    stations.registerModel("R-4120MS", makeStation<R4120MS>);
    stations.registerModel("R-4121MS", makeStation<R4121MS>);
    stations.registerModel("R-4130MS", makeStation<R4130MS>);
    stations.registerModel("R-4142MS", makeStation<R4142MS>);
    stations.registerModel("R-4160DS", makeStation<R4160DS>);
    stations.registerModel("R-4700MS", makeStation<R4700MS_Station>);
    stations.registerModel("R-4760DS", makeStation<R4760DS_Station>);
    stations.registerModel("R-4720MS", makeStation<R4720MS_Station>);

    ExManager& equipment = exManagerForRegistration();
    equipment.registerModel(DefaultExchange::modelTraits(), makeExchange<DefaultExchange>);
    equipment.registerModel(R4100EX::modelTraits(), makeExchange<R4100EX>);
    equipment.registerModel(R4120EX::modelTraits(), makeExchange<R4120EX>);
    equipment.registerModel(R4100MI::modelTraits(), makeExchange<R4100MI>);
    equipment.registerModel(R4700MS::modelTraits(), makeExchange<R4700MS>);
    equipment.registerModel(R4720MS::modelTraits(), makeExchange<R4720MS>);
    equipment.registerModel(R4760DS::modelTraits(), makeExchange<R4760DS>);

    build();
}
