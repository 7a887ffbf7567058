#include "linalg/Matrix.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const AssignMessage = "In =: Matrix-Dimensionen stimmen nicht überein!\n";
const char* const AddMessage = "In +: Matrix-Dimensionen stimmen nicht überein!\n";
const char* const ProductMessage = "In *: Matrix-Dimensionen stimmen nicht überein!\n";

Matrix Filled(int rows, int cols, double start)
{
    Matrix m(rows, cols);
    double v = start;
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= cols; ++j)
            m.Set(i, j, v++);
    return m;
}

TEST(Matrix, NewMatrixIsZeroWithItsShape)
{
    const Matrix m(3, 4);
    EXPECT_EQ(m.Rows(), 3);
    EXPECT_EQ(m.Cols(), 4);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(m.Get(i, j), 0.0);
}

TEST(Matrix, ElementsAreStoredRowByRow)
{
    Matrix m(3, 4);
    m.Set(2, 3, 7.5);
    EXPECT_EQ(m.Get(2, 3), 7.5);
    // Entry 6 of the array is (2, 3): its transpose finds it at (3, 2).
    EXPECT_EQ(m.Transpose().Get(3, 2), 7.5);
    EXPECT_EQ(m.Get(3, 2), 0.0);
}

TEST(Matrix, AssignmentCopiesValuesBetweenEqualShapes)
{
    Matrix target(2, 2);
    Matrix source = Filled(2, 2, 1.0);
    testing::internal::CaptureStdout();
    target = source;
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    source.Set(1, 1, 99.0);
    EXPECT_EQ(target.Get(1, 1), 1.0);
    EXPECT_EQ(target.Get(2, 2), 4.0);
}

TEST(Matrix, AssignmentOfAnotherShapeWritesMessageAndKeepsTarget)
{
    Matrix target = Filled(3, 4, 1.0);
    testing::internal::CaptureStdout();
    target = Filled(4, 3, 100.0);  // same element count, other shape
    EXPECT_EQ(testing::internal::GetCapturedStdout(), AssignMessage);
    EXPECT_EQ(target.Rows(), 3);
    EXPECT_EQ(target.Cols(), 4);
    EXPECT_EQ(target.Get(1, 1), 1.0);
    EXPECT_EQ(target.Get(3, 4), 12.0);
}

TEST(Matrix, SumAndItsShapeCheck)
{
    const Matrix s = Filled(2, 3, 1.0) + Filled(2, 3, 10.0);
    EXPECT_EQ(s.Rows(), 2);
    EXPECT_EQ(s.Get(1, 1), 11.0);
    EXPECT_EQ(s.Get(2, 3), 21.0);

    testing::internal::CaptureStdout();
    const Matrix bad = Filled(2, 3, 1.0) + Filled(3, 2, 1.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), AddMessage);
    EXPECT_EQ(bad.Rows(), 0);
    EXPECT_EQ(bad.Cols(), 0);
}

TEST(Matrix, ProductShapesAndValues)
{
    const Matrix c = Filled(2, 3, 1.0) * Filled(3, 2, 1.0);
    ASSERT_EQ(c.Rows(), 2);
    ASSERT_EQ(c.Cols(), 2);
    // (1 2 3; 4 5 6) * (1 2; 3 4; 5 6)
    EXPECT_EQ(c.Get(1, 1), 22.0);
    EXPECT_EQ(c.Get(1, 2), 28.0);
    EXPECT_EQ(c.Get(2, 1), 49.0);
    EXPECT_EQ(c.Get(2, 2), 64.0);

    testing::internal::CaptureStdout();
    const Matrix bad = Filled(2, 3, 1.0) * Filled(2, 3, 1.0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), ProductMessage);
    EXPECT_EQ(bad.Rows(), 0);
}

TEST(Matrix, ProductOverAnEmptyInnerDimensionIsZero)
{
    const Matrix c = Matrix(3, 0) * Matrix(0, 2);
    ASSERT_EQ(c.Rows(), 3);
    ASSERT_EQ(c.Cols(), 2);
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 2; ++j)
            EXPECT_EQ(c.Get(i, j), 0.0);
}

TEST(Matrix, ProductSumsInAscendingOrder)
{
    // 1e16 + 1 - 1e16 is 0 in doubles when summed left to right.
    Matrix a(1, 3);
    a.Set(1, 1, 1e16);
    a.Set(1, 2, 1.0);
    a.Set(1, 3, -1e16);
    Matrix b(3, 1);
    for (int k = 1; k <= 3; ++k)
        b.Set(k, 1, 1.0);
    EXPECT_EQ((a * b).Get(1, 1), 0.0);
}

TEST(Matrix, TransposeOfARowKeepsTheOrder)
{
    const Matrix row = Filled(1, 4, 5.0);
    const Matrix col = row.Transpose();
    ASSERT_EQ(col.Rows(), 4);
    ASSERT_EQ(col.Cols(), 1);
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(col.Get(i, 1), 4.0 + i);
}

TEST(Matrix, NegativeShapeIsEmpty)
{
    const Matrix m(-2, 3);
    EXPECT_EQ(m.Rows(), 0);
    EXPECT_EQ(m.Cols(), 3);
}

}  // namespace
