// The skill report of each class, by class row. Calc_skills runs the report
// of the selected class.
#include "skills/report_framework.h"

namespace brennick::skills {

const ClassReport kClassReports[kClassCount] = {
    fighter_report,         // Fighter
    archer_report,          // Archer
    pikeman_report,         // Pikeman
    mechanician_report,     // Mechanician
    atalanta_report,        // Atalanta
    knight_report,          // Knight
    magician_report,        // Magician
    priestess_report,       // Priestess
};

}  // namespace brennick::skills
