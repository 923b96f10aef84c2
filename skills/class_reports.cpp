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
    knight_report,          // Knight
    magician_report,        // Magician
    priestess_report,       // Priestess
};

}  // namespace brennick::skills
