#include "ui/teaching/reference_list.h"

namespace dalvo {

const std::vector<std::vector<std::string_view>>& referenceFragments()
{
    // Two on insect populations and their life tables, three on the matrix
    // method and population growth, and the linear algebra behind it.
    static const std::vector<std::vector<std::string_view>> references = {
        {"Birch, L. C. 1948. The intrinsic rate of natural increase of an insect population. ",
         "Journal of Animal Ecology 17: 15-26."},
        {"Southwood, T. R. E. 1978. ",
         "Ecological Methods, with Particular Reference to the Study of Insect Populations. ",
         "2nd edition. Chapman and Hall, London."},
        {"Leslie, P. H. 1945. On the use of matrices in certain population mathematics. ",
         "Biometrika 33: 183-212."},
        {"Leslie, P. H. 1948. Some further notes on the use of matrices in population mathematics. ",
         "Biometrika 35: 213-245."},
        {"Caswell, H. 2001. Matrix Population Models: Construction, Analysis, and Interpretation. ",
         "2nd edition. Sinauer Associates, Sunderland, Massachusetts."},
        {"Strang, G. 1988. Linear Algebra and Its Applications. ",
         "3rd edition. Harcourt Brace Jovanovich, San Diego."},
    };
    return references;
}

std::string referenceList()
{
    std::string list;
    bool first = true;
    for (const std::vector<std::string_view>& reference : referenceFragments()) {
        if (!first)
            list += "\n\n";
        first = false;
        for (std::string_view fragment : reference)
            list += fragment;
    }
    return list;
}

}  // namespace dalvo
