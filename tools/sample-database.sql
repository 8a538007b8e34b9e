-- A small sample database for the demo and the tests of providers-query:
-- authors and their books, with NULLs, dates, a blob and wide text.
DROP TABLE IF EXISTS demo_books;
DROP TABLE IF EXISTS demo_authors;

CREATE TABLE demo_authors (
  id INT PRIMARY KEY,
  name VARCHAR(60) NOT NULL,
  born DATE NULL,
  country CHAR(2) NULL
);

CREATE TABLE demo_books (
  id INT PRIMARY KEY AUTO_INCREMENT,
  author_id INT NOT NULL,
  title VARCHAR(200) NOT NULL,
  price DECIMAL(6,2) NULL,
  added DATETIME NOT NULL,
  cover BLOB NULL,
  FOREIGN KEY (author_id) REFERENCES demo_authors (id)
);

INSERT INTO demo_authors VALUES
  (1, 'Ada Lovelace', '1815-12-10', 'GB'),
  (2, 'Jorge Luis Borges', '1899-08-24', 'AR'),
  (3, 'Murasaki Shikibu', NULL, 'JP'),
  (4, 'Anonymous', NULL, NULL);

INSERT INTO demo_books (author_id, title, price, added, cover) VALUES
  (1, 'Notes on the Analytical Engine', 12.50, '2024-01-15 09:30:00', x'89504E470D0A1A0A'),
  (2, 'Ficciones', 9.99, '2024-02-29 18:05:12', NULL),
  (2, 'El Aleph; y otros cuentos', NULL, '2024-03-01 00:00:00', NULL),
  (3, '源氏物語', 30.00, '2024-03-02 12:00:00', NULL),
  (4, 'A very long title that goes on well past the width a table keeps for one column', 5.00,
   '2024-03-03 23:59:59', x'00FF');
