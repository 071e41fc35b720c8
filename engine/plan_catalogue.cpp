#include "engine/plan_catalogue.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

#include "base/text_split.h"
#include "base/text_value.h"
#include "engine/bet_group_predictor.h"
#include "engine/number_pick_predictors.h"
#include "engine/two_way_predictors.h"

namespace velmora {
namespace {

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};

struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};

// A pattern that must match the whole text, anchored at both ends.
class WholeTextPattern {
public:
    explicit WholeTextPattern(const char* pattern)
    {
        int error = 0;
        PCRE2_SIZE offset = 0;
        m_code.reset(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern), PCRE2_ZERO_TERMINATED,
            PCRE2_UTF | PCRE2_ANCHORED | PCRE2_ENDANCHORED, &error, &offset, nullptr));
        if (!m_code) {
            PCRE2_UCHAR message[256];
            pcre2_get_error_message(error, message, sizeof message);
            throw std::logic_error(std::string("plan name pattern does not compile: ")
                + reinterpret_cast<const char*>(message));
        }
        m_matchData.reset(pcre2_match_data_create_from_pattern(m_code.get(), nullptr));
        if (!m_matchData) {
            throw std::bad_alloc();
        }
    }

    // The capture groups (group 1 first, an unset group empty), or none when
    // the text does not match as a whole. Text that is not valid UTF-8 never
    // matches.
    std::optional<std::vector<std::string>> match(const std::string& text) const
    {
        const int rc = pcre2_match(m_code.get(), reinterpret_cast<PCRE2_SPTR>(text.data()), text.size(), 0, 0,
            m_matchData.get(), nullptr);
        if (rc <= 0) {
            return std::nullopt;
        }
        std::uint32_t groupCount = 0;
        pcre2_pattern_info(m_code.get(), PCRE2_INFO_CAPTURECOUNT, &groupCount);
        const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(m_matchData.get());
        std::vector<std::string> groups;
        for (std::size_t g = 1; g <= groupCount; ++g) {
            const PCRE2_SIZE start = g < static_cast<std::size_t>(rc) ? ovector[2 * g] : PCRE2_UNSET;
            if (start == PCRE2_UNSET) {
                groups.emplace_back();
            } else {
                groups.push_back(text.substr(start, ovector[(2 * g) + 1] - start));
            }
        }
        return groups;
    }

private:
    std::unique_ptr<pcre2_code, CodeDeleter> m_code;
    std::unique_ptr<pcre2_match_data, MatchDataDeleter> m_matchData;
};

// 冠, 亚, 季 for positions 1, 2, 3; 0 for anything else.
int placePosition(const std::string& place)
{
    if (place == "冠") {
        return 1;
    }
    if (place == "亚") {
        return 2;
    }
    if (place == "季") {
        return 3;
    }
    return 0;
}

bool inCarRange(std::int64_t value)
{
    return value >= 1 && value <= kCarCount;
}

}  // namespace

struct PlanCatalogue::Patterns {
    WholeTextPattern banker {"(冠|亚|季)军(\\d+)胆(?:(\\d+)期)?"};
    WholeTextPattern betGroup {"前(\\d+)名((?:\\d+\\*)+\\d)注"};
    WholeTextPattern carPosition {"(\\d+)号车位置"};
    WholeTextPattern positionTwoWay {"(\\d+|冠|亚|季)(?:号|军)(单双|大小)(?:\\d+期)?"};
    WholeTextPattern sumTwoWay {"(冠亚)和值(单双|大小)"};
};

PlanCatalogue::PlanCatalogue(MessageSink& sink)
    : m_patterns(std::make_unique<Patterns>())
    , m_banker(std::make_unique<ChampionBankerPredictor>(m_random, sink))
    , m_betGroup(std::make_unique<BetGroupPredictor>(m_random, sink))
    , m_carPosition(std::make_unique<CarPositionPredictor>(m_random, sink))
    , m_positionParity(std::make_unique<PositionParityPredictor>(m_random, sink))
    , m_positionSize(std::make_unique<PositionSizePredictor>(m_random, sink))
    , m_sumParity(std::make_unique<SumParityPredictor>(m_random, sink))
    , m_sumSize(std::make_unique<SumSizePredictor>(m_random, sink))
    , m_frontFive(std::make_unique<FrontFiveSinglePredictor>(m_random, sink))
{
}

PlanCatalogue::~PlanCatalogue() = default;

const Predictor* PlanCatalogue::selectPlanKind(
    const std::string& planName, const std::string& displayName, int periods)
{
    if (planName.empty()) {
        return nullptr;
    }

    if (const auto groups = m_patterns->banker.match(planName)) {
        std::int64_t bankerCount = integerValue((*groups)[1]);
        if (bankerCount == 0) {
            bankerCount = 3;
        }
        if (bankerCount > kCarCount) {
            return nullptr;
        }
        m_banker->configure(
            placePosition((*groups)[0]), static_cast<int>(bankerCount), displayName, periods);
        return m_banker.get();
    }

    if (const auto groups = m_patterns->betGroup.match(planName)) {
        // One group per leading position; the count before 名 is not used.
        const std::string& sizesText = (*groups)[1];
        const auto sizes = splitText(sizesText, "*");
        if (sizes.size() > static_cast<std::size_t>(kCarCount)) {
            return nullptr;
        }
        for (const auto& size : sizes) {
            if (integerValue(size) > kCarCount) {
                return nullptr;
            }
        }
        m_betGroup->configure(1, sizesText, displayName);
        return m_betGroup.get();
    }

    if (const auto groups = m_patterns->carPosition.match(planName)) {
        const std::int64_t car = integerValue((*groups)[0]);
        if (!inCarRange(car)) {
            return nullptr;
        }
        m_carPosition->configure(static_cast<int>(car), 5, displayName, periods);
        return m_carPosition.get();
    }

    if (const auto groups = m_patterns->positionTwoWay.match(planName)) {
        std::int64_t position = placePosition((*groups)[0]);
        if (position == 0) {
            position = integerValue((*groups)[0]);
        }
        if (!inCarRange(position)) {
            return nullptr;
        }
        if ((*groups)[1] == "单双") {
            m_positionParity->configure(static_cast<int>(position), displayName);
            return m_positionParity.get();
        }
        m_positionSize->configure(static_cast<int>(position), displayName);
        return m_positionSize.get();
    }

    if (const auto groups = m_patterns->sumTwoWay.match(planName)) {
        if ((*groups)[1] == "单双") {
            m_sumParity->configure(1, 2, displayName);
            return m_sumParity.get();
        }
        m_sumSize->configure(1, 2, displayName);
        return m_sumSize.get();
    }

    if (planName == "前5独胆") {
        m_frontFive->configure(1, 5, planName);
        return m_frontFive.get();
    }

    return nullptr;
}

}  // namespace velmora
