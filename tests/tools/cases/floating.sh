# Floating cells print the fewest digits that read back to the same number
# in every format: a DOUBLE to the same double (the largest does not become
# infinity, a third keeps all sixteen digits, 0.1 gains none), a FLOAT to
# the same float (the smallest is 1e-45), and JSON keeps ".0" on a whole one.
floating="CREATE TEMPORARY TABLE floating (what VARCHAR(20), d DOUBLE, f FLOAT);
          INSERT INTO floating VALUES ('largest', 1.7976931348623157e308, 3.4028234e38),
            ('smallest', 4.9406564584124654e-324, 1.4013e-45), ('normal', 2.2250738585072014e-308, 1.1754944e-38),
            ('tenth', 0.1, 0.1), ('third', 1 / 3e0, 1 / 3e0), ('whole', 7, -16777216);
          SELECT what, d, f FROM floating"
run query -e "$floating"
run query --format csv -e "$floating"
run query --format json -e "$floating"
