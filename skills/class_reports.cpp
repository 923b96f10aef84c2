// The skill report of each class, by class row. Calc_skills runs the report
// of the selected class.
#include "skills/report_framework.h"

namespace brennick::skills {

const ClassReport kClassReports[kClassCount] = {
    fighter_report,         // Fighter
    report_not_built_yet,   // Archer
    report_not_built_yet,   // Pikeman
    report_not_built_yet,   // Mechanician
    report_not_built_yet,   // Atalanta
    report_not_built_yet,   // Knight
    report_not_built_yet,   // Magician
    report_not_built_yet,   // Priestess
};

}  // namespace brennick::skills
